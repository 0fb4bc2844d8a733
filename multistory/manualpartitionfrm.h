#pragma once
// First step of the manual partition: the number of stories or sites.

#include "forms/controls.h"
#include "forms/form.h"

class manualpartitionfrm final : public forms::Form {
public:
    manualpartitionfrm();

    forms::Label Label1{this, "Label1", "Number of stories / sites (2 to 6)"};
    forms::TextBox svnstortxt{this, "svnstortxt"};
    forms::CommandButton contbut{this, "contbut", "Continue"};
    forms::CommandButton backbut{this, "backbut", "Back to Multi-Story Menu"};

private:
    void contbut_Click();
    void backbut_Click();
};
