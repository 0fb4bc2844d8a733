#pragma once
// First analysis window of a displayed layout: each department's centroid,
// length, width, area and length-to-width ratio, with the total area.

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"

#include <string_view>

class display1frm;

class layoutanalysis1frm final : public forms::Form {
public:
    // display: the layout display whose actions the analysis takes away.
    explicit layoutanalysis1frm(display1frm* display = nullptr);

    forms::Grid layoutgrd{this, "layoutgrd"};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void okbut_Click();
    void prntbut_Click();
    void cell(int row, int col, std::string_view text);

    display1frm* display_;
};
