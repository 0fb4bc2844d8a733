#pragma once
// The relationship chart: one box per pair of departments for its letter.
// The same window shows the chart derived from material-handling flows.

#include "forms/controls.h"
#include "forms/form.h"
#include "problem/pairchart.h"

class relfrm final : public forms::Form {
public:
    relfrm();

    forms::Label titlelbl{this, "titlelbl"};
    pairchart chart;
    forms::Label Label1{this, "Label1", "A = Absolutely Essential"};
    forms::Label Label3{this, "Label3", "E = Essential"};
    forms::Label Label4{this, "Label4", "I =  Important"};
    forms::Label Label5{this, "Label5", "O = Ordinary"};
    forms::Label Label6{this, "Label6", "U = Unimportant"};
    forms::Label Label7{this, "Label7", "X = Undesireable"};
    forms::Label Label8{this, "Label8", "Enter or change code"};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void okbut_Click();
    void prntbut_Click();
};
