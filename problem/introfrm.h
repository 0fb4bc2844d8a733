#pragma once
// The introduction: what facility layout planning is about.

#include "forms/controls.h"
#include "forms/form.h"

class introfrm final : public forms::Form {
public:
    introfrm();

    forms::Label Label1{this, "Label1", "INTRODUCTION"};
    forms::Label desclbl{this, "desclbl"};
    forms::CommandButton okbut{this, "okbut", "Ok"};

private:
    void Form_Load() override;
    void okbut_Click();
};
