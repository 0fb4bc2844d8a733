#pragma once
// The length-to-width ratio from a typed length and width.

#include "forms/controls.h"
#include "forms/form.h"

class specxyfrm final : public forms::Form {
public:
    specxyfrm();

    forms::Label Label1{this, "Label1", "Length Ratio"};
    forms::TextBox lenxtxt{this, "lenxtxt"};
    forms::Label Label2{this, "Label2", "Width Ratio"};
    forms::TextBox widxtxt{this, "widxtxt"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::CommandButton backbut{this, "backbut", "Back"};

private:
    void okbut_Click();
    void backbut_Click();
};
