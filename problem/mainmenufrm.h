#pragma once
// The main menu, the hub of a run: new problem, edit, the program's branch
// menu, save, quit.

#include "forms/controls.h"
#include "forms/form.h"

class mainmenufrm final : public forms::Form {
public:
    mainmenufrm();

    forms::Label Label1{this, "Label1"};
    forms::Label Label2{this, "Label2"};
    forms::Label Label3{this, "Label3"};
    forms::Label useprodflowlbl{this, "useprodflowlbl"};
    forms::CommandButton newprobbut{this, "newprobbut", ""};
    forms::CommandButton Editbut{this, "Editbut", ""};
    forms::CommandButton singlebut{this, "singlebut", ""};
    forms::CommandButton Savebut{this, "Savebut", ""};
    forms::CommandButton quitbut{this, "quitbut", "Quit"};
    forms::CommandButton Command1{this, "Command1", "Multi-Story Menu"};

    // The label of the chart in use, also set by the edit menu and the load chart.
    static std::string chartlabel(int chartsource);
    // The main menu open now, or nullptr when none is: windows opened from it
    // set its chart label and ask whether it is open.
    static mainmenufrm* current();

private:
    void Form_Load() override;
    void newprobbut_Click();
    void Editbut_Click();
    void singlebut_Click();
    void Savebut_Click();
    void quitbut_Click();
    void Command1_Click();
    // The problem's file name and the chart in use.
    void showproblem();
    // Edit, the branch menu and Save need a completed problem.
    bool problemready() const;
};
