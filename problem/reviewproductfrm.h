#pragma once
// The product table: one row per product with its number, name, unit loads
// and routing steps, and the way to add, change and delete products and to
// see the flow matrix they make.

#include "forms/controls.h"
#include "forms/form.h"
#include "model/module1.h"

class reviewproductfrm final : public forms::Form {
public:
    // One row for each product the table can hold, 18 step boxes to a row.
    static constexpr int nrows = maxprod;
    static constexpr int nstepboxes = maxdept;

    reviewproductfrm();

    forms::Label Label1{this, "Label1", "Product #"};
    forms::Label Label2{this, "Label2", "Product "};
    forms::Label Label3{this, "Label3", "Unit Loads"};
    forms::ControlArray<forms::TextBox> itxt{this, "itxt", nrows};
    forms::ControlArray<forms::TextBox> prodnamtxt{this, "prodnamtxt", nrows};
    forms::ControlArray<forms::TextBox> uloadtxt{this, "uloadtxt", nrows};
    // Row r's steps are the boxes 18(r - 1) to 18(r - 1) + 17.
    forms::ControlArray<forms::TextBox> prodvectxt{this, "prodvectxt", nrows* nstepboxes};
    forms::CommandButton Addbut{this, "Addbut", "   Add Product"};
    forms::CommandButton changebut{this, "changebut", "Change Product"};
    forms::CommandButton deletebut{this, "deletebut", " Delete Product"};
    forms::CommandButton matrixbut{this, "matrixbut", "Matrix"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};
    forms::CommandButton contbut{this, "contbut", "Continue"};

private:
    void Form_Load() override;
    void Addbut_Click();
    void changebut_Click();
    void deletebut_Click();
    void matrixbut_Click();
    void prntbut_Click();
    void contbut_Click();
};
