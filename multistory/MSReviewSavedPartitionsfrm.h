#pragma once
// Review of the saved partitions: each from a starting number to the last is
// made the current partition and shown in the partition display.

#include "forms/controls.h"
#include "forms/form.h"

class MSReviewSavedPartitionsfrm final : public forms::Form {
public:
    MSReviewSavedPartitionsfrm();

    forms::Label Label1{this, "Label1", "Starting point for review"};
    forms::TextBox nstptxt{this, "nstptxt"};
    forms::CommandButton contbut{this, "contbut", "Continue"};
    forms::CommandButton backbut{this, "backbut", "Back to Multi-Story Menu"};

private:
    void contbut_Click();
    void backbut_Click();
};
