#pragma once
// The edit menu of the current problem. storeymany offers the department and
// relationship data only; storeyone also the ratio windows, the load chart
// and the switch between the typed chart and the chart from flows.

#include "forms/controls.h"
#include "forms/form.h"

#include <string_view>

class editfrm final : public forms::Form {
public:
    editfrm();

    forms::Label Label1{this, "Label1", "EDIT CURRENT PROBLEM MENU"};
    forms::Label Label2{this, "Label2"};
    forms::Label useprodflowlbl{this, "useprodflowlbl"};
    forms::CommandButton areabut{this, "areabut", ""};
    forms::CommandButton lwratiobut{this, "lwratiobut", ""};
    forms::CommandButton prodbut{this, "prodbut", "Enter or Review Material Handling Info"};
    forms::CommandButton prodflowbut{this, "prodflowbut",
                                     "Use Material Handling Relationship Chart"};
    forms::CommandButton resrelbut{this, "resrelbut", "Restore Standard Relationship Chart"};
    forms::CommandButton backbut{this, "backbut", "Back to Main Menu"};

    // The chart label of the edit menu and of the main menu, where they are open.
    static void showchartlabels(std::string_view label);

private:
    void Form_Load() override;
    void areabut_Click();
    void lwratiobut_Click();
    void backbut_Click();
    void prodbut_Click();
    void prodflowbut_Click();
    void resrelbut_Click();
    // The pair lists, the area order and the saved partitions after a chart change.
    void afterchartchange();
};
