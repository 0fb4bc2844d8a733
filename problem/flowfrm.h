#pragma once
// The material-handling load chart: one load per pair of departments, typed
// straight into the flow matrix.

#include "forms/controls.h"
#include "forms/form.h"
#include "problem/pairchart.h"

class flowfrm final : public forms::Form {
public:
    flowfrm();

    forms::Label titlelbl{this, "titlelbl"};
    forms::Label Label9{this, "Label9"};
    pairchart chart;
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton Cancel{this, "Cancel", "Cancel"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void okbut_Click();
    void Cancel_Click();
    void prntbut_Click();
};
