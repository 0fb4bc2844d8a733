#pragma once
// The first window of both programs: version, date and credits.

#include "forms/controls.h"
#include "forms/form.h"

class creditsfrm final : public forms::Form {
public:
    creditsfrm();

    forms::Label creditlbl{this, "creditlbl"};
    forms::CommandButton okbut{this, "okbut", "Ok"};

private:
    void Form_Load() override;
    void okbut_Click();
};
