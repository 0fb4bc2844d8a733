#pragma once
// Second analysis window of a displayed layout: the relationship chart with
// each pair's letter in upper case where the two departments touch and in
// lower case where they do not.

#include "forms/controls.h"
#include "forms/form.h"
#include "problem/pairchart.h"

#include <string>

class layoutanalysis2frm final : public forms::Form {
public:
    layoutanalysis2frm();

    forms::Label Label1{this, "Label1", "ADJACENCIES SATISFIED"};
    pairchart chart;
    forms::Label Label3{this, "Label3", "A = Absolutely Essential"};
    forms::Label Label4{this, "Label4", "E = Essential"};
    forms::Label Label5{this, "Label5", "I =  Important"};
    forms::Label Label6{this, "Label6", "O = Ordinary"};
    forms::Label Label7{this, "Label7", "U = Unimportant"};
    forms::Label Label8{this, "Label8", "X = Undesireable"};
    forms::Label Label9{this, "Label9", "Upper Case = Adj. Satisfied"};
    forms::Label Label10{this, "Label10", "Lower Case = Adj. Not Satisfied"};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

    // What a pair's box shows: the letter as stored where the departments
    // touch, otherwise its first character in lower case (empty stays empty).
    static std::string pairletter(const std::string& letter, bool adjacent);

private:
    void Form_Load() override;
    void okbut_Click();
    void prntbut_Click();
};
