#pragma once
// Picks the product to change from the list of product numbers.

#include "forms/controls.h"
#include "forms/form.h"

class modifyproductinfofrm final : public forms::Form {
public:
    modifyproductinfofrm();

    forms::Label Label1{this, "Label1", "Select product number  to modify"};
    forms::ListBox prodlst{this, "prodlst"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

private:
    void Form_Load() override;
    void okbut_Click();
    void cancelbut_Click();
};
