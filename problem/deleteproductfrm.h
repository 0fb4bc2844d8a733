#pragma once
// Deletes the product picked from the list of product numbers.

#include "forms/controls.h"
#include "forms/form.h"

class deleteproductfrm final : public forms::Form {
public:
    deleteproductfrm();

    forms::Label Label1{this, "Label1", "Select product number  to delete"};
    forms::ListBox prodlst{this, "prodlst"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

    // One entry per product: a blank and the product number.
    static void fillproductlist(forms::ListBox& list);
    // The number of the product whose entry is selected, 0 when none is.
    static int selectedproduct(const forms::ListBox& list);

private:
    void Form_Load() override;
    void okbut_Click();
    void cancelbut_Click();
};
