#pragma once
// The automatic partition: the number of stories and the allowed area
// difference factor, then the better of a relationship-driven and an
// area-driven partition, shown in the partition display.

#include "forms/controls.h"
#include "forms/form.h"

class AutomPartitionfrm final : public forms::Form {
public:
    AutomPartitionfrm();

    forms::Label Label1{this, "Label1", "Number of Stories / Sites"};
    forms::TextBox svnstortxt{this, "svnstortxt"};
    forms::Label Label2{this, "Label2", "Maximum desired Area Difference Factor (ADF)"};
    forms::TextBox sdiftxt{this, "sdiftxt"};
    forms::CommandButton contbut{this, "contbut", "Continue"};
    forms::CommandButton backbut{this, "backbut", "Back to Multi-Story Menu"};

private:
    void contbut_Click();
    void backbut_Click();
};
