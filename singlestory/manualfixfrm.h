#pragma once
// "Manual Fix": three captions and a button without an action. No menu opens
// this window.

#include "forms/controls.h"
#include "forms/form.h"

class manualfixfrm final : public forms::Form {
public:
    manualfixfrm();

    forms::Label Label1{this, "Label1", "Department"};
    forms::Label Label2{this, "Label2", "Zone"};
    forms::Label Label3{this, "Label3", "Side"};
    forms::CommandButton Command1{this, "Command1", "Command1"};
};
