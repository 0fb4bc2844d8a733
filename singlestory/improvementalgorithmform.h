#pragma once
// The improvement walk: every pairwise exchange of the free departments of
// one saved layout is shown in turn in the layout display, always against the
// unchanged basis, until the last pair or the display's Terminate.

#include "forms/controls.h"
#include "forms/form.h"

class improvementalgorithmform final : public forms::Form {
public:
    improvementalgorithmform();

    forms::Label Label1{this, "Label1", "Enter layout number for basis"};
    forms::TextBox ntxt{this, "ntxt"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

private:
    void okbut_Click();
    void cancelbut_Click();
};
