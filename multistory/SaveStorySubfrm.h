#pragma once
// The story export: each story of a saved partition is written as a problem
// file of its own, and the names written are listed.

#include "forms/controls.h"
#include "forms/form.h"

class SaveStorySubfrm final : public forms::Form {
public:
    SaveStorySubfrm();

    forms::Label Label1{this, "Label1"};
    forms::TextBox ntxt{this, "ntxt"};
    forms::CommandButton contbut{this, "contbut", "Continue"};
    forms::CommandButton backbut{this, "backbut", "Back to Multi-Story Menu"};
    forms::ControlArray<forms::Label> filelbl{this, "filelbl", 6};

private:
    void Form_Load() override;
    void contbut_Click();
    void backbut_Click();
};
