#pragma once
// Fourth analysis window of a displayed layout: product movement (flow times
// distance) per department pair, scaled by a power of ten, and its total. Its
// Continue gives the layout display its actions back.

#include "forms/controls.h"
#include "forms/form.h"
#include "problem/pairchart.h"

class display1frm;

class layoutanalysis4frm final : public forms::Form {
public:
    // display: the layout display whose actions Continue gives back.
    explicit layoutanalysis4frm(display1frm* display = nullptr);

    forms::Label Label1{this, "Label1", "PRODUCT FLOW IN LOAD-FEET BETWEEN PAIRS OF DEPARTMENTS"};
    pairchart chart;
    forms::Label Label3{this, "Label3", "Product Load Feet / "};
    forms::TextBox divisortxt{this, "divisortxt"};
    forms::Label Label4{this, "Label4", "Total Product Movement (Load Feet)"};
    forms::TextBox prodmvtxt{this, "prodmvtxt"};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void okbut_Click();
    void prntbut_Click();

    display1frm* display_;
};
