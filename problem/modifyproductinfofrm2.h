#pragma once
// Changes the product picked in the change-choice window: it shows the product
// as it was, and Continue appends the edited product as the last product.
// Cancel, or closing the window any other way, brings the table back as it was.

#include "forms/controls.h"
#include "forms/form.h"
#include "problem/productsheet.h"

class modifyproductinfofrm2 final : public forms::Form {
public:
    modifyproductinfofrm2();

    productsheet sheet;
    forms::TextBox& prodnametxt = sheet.prodnametxt;
    forms::TextBox& uloadtxt = sheet.uloadtxt;
    forms::ControlArray<forms::TextBox>& prodvectxt = sheet.prodvectxt;
    forms::ControlArray<forms::Label>& nmdptlbl = sheet.nmdptlbl;
    forms::CommandButton changebut{this, "changebut", "Continue"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load() override;
    void changebut_Click();
    void cancelbut_Click();
    void prntbut_Click();
};
