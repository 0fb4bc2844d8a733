#pragma once
// Adds a product: its name, unit loads and routing are appended to the
// product table, then the product review opens again.

#include "forms/controls.h"
#include "forms/form.h"
#include "problem/productsheet.h"

class addproductinfofrm final : public forms::Form {
public:
    addproductinfofrm();

    productsheet sheet;
    forms::TextBox& prodnametxt = sheet.prodnametxt;
    forms::TextBox& uloadtxt = sheet.uloadtxt;
    forms::ControlArray<forms::TextBox>& prodvectxt = sheet.prodvectxt;
    forms::ControlArray<forms::Label>& nmdptlbl = sheet.nmdptlbl;
    forms::CommandButton changebut{this, "changebut", "Continue"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void changebut_Click();
    void cancelbut_Click();
    void prntbut_Click();
};
