#pragma once
// "Exchange Departments": two lists of the department names; both buttons
// only close the window. No menu opens this window.

#include "forms/controls.h"
#include "forms/form.h"

class exchangedeptsfrm final : public forms::Form {
public:
    exchangedeptsfrm();

    forms::ListBox deptlst1{this, "deptlst1"};
    forms::Label Label1{this, "Label1", "<--------->"};
    forms::ListBox deptlst2{this, "deptlst2"};
    forms::CommandButton okbut{this, "okbut", "Ok"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

private:
    void Form_Load() override;
    void okbut_Click();
    void cancelbut_Click();
};
