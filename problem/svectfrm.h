#pragma once
// The score vector: the six relationship codes and the score of each.

#include "forms/controls.h"
#include "forms/form.h"

class svectfrm final : public forms::Form {
public:
    svectfrm();

    forms::Label Label1{this, "Label1", "Code"};
    forms::Label Label2{this, "Label2", "Score"};
    forms::ControlArray<forms::TextBox> kodetxt{this, "kodetxt", 6};
    forms::ControlArray<forms::TextBox> scortxt{this, "scortxt", 6};
    forms::ControlArray<forms::Label> codelbl{this, "codelbl", 6};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton restorebut{this, "restorebut", "Restore Defaults"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void okbut_Click();
    void restorebut_Click();
    void prntbut_Click();
    void showrows();
};
