#pragma once
// The additions matrix: unit loads added to a pair of departments on top of
// the product routings, drawn as a from-to chart and changed one pair at a
// time. Each change rebuilds the flow matrix and shows it.

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picturebox.h"

class addmatrixfrm final : public forms::Form {
public:
    addmatrixfrm();

    forms::PictureBox layoutbox{this, "layoutbox"};
    forms::CommandButton chgaddmatbut{this, "chgaddmatbut", "Change Additons Matrix"};
    forms::Label ilbl{this, "ilbl", "From"};
    forms::TextBox itxt{this, "itxt"};
    forms::Label jlbl{this, "jlbl", "To"};
    forms::TextBox jtxt{this, "jtxt"};
    forms::Label valuelbl{this, "valuelbl", "Value"};
    forms::TextBox valuetxt{this, "valuetxt"};
    forms::CommandButton makechgbut{this, "makechgbut", "Make Change"};
    forms::CommandButton canchgbut{this, "canchgbut", "Cancel Change"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};
    forms::CommandButton okbut{this, "okbut", "Continue"};

private:
    void Form_Load() override;
    void chgaddmatbut_Click();
    void canchgbut_Click();
    void makechgbut_Click();
    void prntbut_Click();
    void okbut_Click();
    // Shows or hides the eight controls of a change.
    void showchange(bool shown);
};
