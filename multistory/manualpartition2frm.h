#pragma once
// Second step of the manual partition: the departments of each story, typed
// one by one, story after story.

#include "forms/controls.h"
#include "forms/form.h"

class manualpartition2frm final : public forms::Form {
public:
    manualpartition2frm();

    forms::Label deptframe{this, "deptframe", "Departments"};
    forms::ControlArray<forms::Label> deptlbl{this, "deptlbl", 18};
    forms::Label storyframe{this, "storyframe", "Story / Sites"};
    forms::ControlArray<forms::Label> storylbl{this, "storylbl", 6};
    forms::ControlArray<forms::Label> deptsonlbl{this, "deptsonlbl", 6};
    forms::Label currentdeptlbl{this, "currentdeptlbl"};
    forms::TextBox itxt{this, "itxt"};
    forms::CommandButton enterbut{this, "enterbut", "Enter"};
    forms::CommandButton nextbut{this, "nextbut", "Next Story / Site"};
    forms::CommandButton contbut{this, "contbut", "Continue"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

private:
    void Form_Load() override;
    void enterbut_Click();
    void nextbut_Click();
    void contbut_Click();
    void cancelbut_Click();
    void showcurrentstory();
    void clearentry();
};
