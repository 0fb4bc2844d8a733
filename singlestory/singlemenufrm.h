#pragma once
// The single-story menu, hub of the layout windows: random layout, automatic
// search, manual placement, review and table of saved layouts (storeymany's
// copy also offers the improvement walk).

#include "forms/controls.h"
#include "forms/form.h"

class singlemenufrm final : public forms::Form {
public:
    singlemenufrm();

    forms::Label Label1{this, "Label1", "SINGLE STORY MENU"};
    forms::Label Label2{this, "Label2"};
    forms::Label useprodflowlbl{this, "useprodflowlbl"};
    forms::CommandButton randombut{this, "randombut", "Generate Random Layout"};
    forms::CommandButton autobut{this, "autobut", "Automatic Search For Layouts"};
    forms::CommandButton manualbut{this, "manualbut", "Manually Insert Departments"};
    forms::CommandButton improvebut{this, "improvebut", "3. Improvement Algorithm"};
    forms::CommandButton reviewbut{this, "reviewbut", "Graphical Review of Saved Layouts"};
    forms::CommandButton tablebut{this, "tablebut", "Summary Table of Saved Layouts"};
    forms::CommandButton backbut{this, "backbut", "Back to Main Menu"};

private:
    void Form_Load() override;
    void randombut_Click();
    void autobut_Click();
    void manualbut_Click();
    void improvebut_Click();
    void reviewbut_Click();
    void tablebut_Click();
    void backbut_Click();
    // Shows the current layout as a new one, not as a saved layout.
    static void showlayout();
};
