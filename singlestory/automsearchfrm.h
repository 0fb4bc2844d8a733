#pragma once
// The automatic search: asks how many layouts to produce, lets the user fix
// departments, runs the search and shows the table of the layouts found.

#include "forms/controls.h"
#include "forms/form.h"

class automsearchfrm final : public forms::Form {
public:
    automsearchfrm();

    forms::Label Label1{this, "Label1", "Enter number of desired layouts (max = 20)"};
    forms::TextBox ngentxt{this, "ngentxt"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::CommandButton backbut{this, "backbut", "Back"};

private:
    void okbut_Click();
    void backbut_Click();
};
