#pragma once
// Asks where a new problem comes from: a problem file or the keyboard.

#include "forms/controls.h"
#include "forms/form.h"

class sourcefrm final : public forms::Form {
public:
    sourcefrm();

    forms::Label Label1{this, "Label1"};
    forms::CommandButton diskbut{this, "diskbut", "Existing Problem From Disk "};
    forms::CommandButton Keybut{this, "Keybut", "New Problem From Keyboard"};
    forms::CommandButton backbut{this, "backbut", "Back"};

    // Whether a new problem was taken: a file read, or typed departments
    // confirmed. Otherwise the new problem was abandoned.
    bool newproblem() const { return newproblem_; }

private:
    void Form_Load() override;
    void diskbut_Click();
    void Keybut_Click();
    void backbut_Click();

    bool newproblem_ = false;
};
