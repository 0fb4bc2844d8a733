#pragma once
// Exchanges two departments between their stories in the current partition.

#include "forms/controls.h"
#include "forms/form.h"

class exchangebtwstoriesfrm final : public forms::Form {
public:
    exchangebtwstoriesfrm();

    forms::Label Label1{this, "Label1", "Exchange Departments"};
    forms::TextBox nnx1txt{this, "nnx1txt"};
    forms::Label Label2{this, "Label2", "<---->"};
    forms::TextBox nnx2txt{this, "nnx2txt"};
    forms::CommandButton contbut{this, "contbut", "Continue"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

private:
    void contbut_Click();
    void cancelbut_Click();
};
