#pragma once
// The per-department scores: opening it turns the chart into numbers through
// the score vector and marks the problem complete.

#include "forms/controls.h"
#include "forms/form.h"

class svect2frm final : public forms::Form {
public:
    svect2frm();

    forms::Label Label1{this, "Label1", "Number"};
    forms::Label Label2{this, "Label2", "Department"};
    forms::Label Label3{this, "Label3", "Score"};
    forms::ControlArray<forms::TextBox> itxt{this, "itxt", 18};
    forms::ControlArray<forms::TextBox> nmdpttxt{this, "nmdpttxt", 18};
    forms::ControlArray<forms::TextBox> dscortxt{this, "dscortxt", 18};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void okbut_Click();
    void prntbut_Click();
};
