#pragma once
// A small window with one control of each kind, for the forms layer's tests.

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"
#include "forms/picturebox.h"

#include <functional>
#include <string>

class TestWindow final : public forms::Form {
public:
    explicit TestWindow(std::string name = "testfrm") : Form(std::move(name), "Test") {
        column({&caption, &box, &okbut, &items});
        place(layoutbox, 240, 2400, 9600, 3000);
        place(grid, 240, 5600, 4800, 1500);
        fit();
        okbut.onclick = [this] { okbut_Click(); };
    }

    forms::Label caption{this, "caption", "Caption"};
    forms::TextBox box{this, "box"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::ListBox items{this, "items"};
    forms::PictureBox layoutbox{this, "layoutbox"};
    forms::Grid grid{this, "grid"};

    std::function<void()> onload;
    int loads = 0;

private:
    void Form_Load() override {
        ++loads;
        if (onload) onload();
    }
    void okbut_Click() { close(); }
};
