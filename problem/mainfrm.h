#pragma once
// The department window: up to 18 rows of number, name and area with the
// total, mean and standard deviation of the areas kept up to date while areas
// are typed. Continue stores the departments and leads on through the
// relationship chart and the score windows.

#include "forms/controls.h"
#include "forms/form.h"
#include "model/module1.h"

class mainfrm final : public forms::Form {
public:
    mainfrm();

    forms::Label Label1{this, "Label1", "Number"};
    forms::Label Label2{this, "Label2", "Department"};
    forms::Label Label3{this, "Label3", "Area"};
    forms::ControlArray<forms::TextBox> itxt{this, "itxt", 18};
    forms::ControlArray<forms::TextBox> nmdpttxt{this, "nmdpttxt", 18};
    forms::ControlArray<forms::TextBox> areatxt{this, "areatxt", 18};
    forms::Label datafilelbl{this, "datafilelbl"};
    forms::Label instlbl{this, "instlbl"};
    forms::Label Label4{this, "Label4", "Total Area"};
    forms::TextBox totaltxt{this, "totaltxt"};
    forms::Label Label5{this, "Label5", "Average Area"};
    forms::TextBox avgtxt{this, "avgtxt"};
    forms::Label Label6{this, "Label6", "Std. Dev. Area"};
    forms::TextBox stdtxt{this, "stdtxt"};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton backbut{this, "backbut", "Back"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

    // Whether the departments were confirmed with Continue.
    bool continued() const { return continued_; }

protected:
    // The close box leaves the problem as Back does.
    void closeEvent(QCloseEvent* e) override;

private:
    void Form_Load() override;
    void areatxt_Change();
    void okbut_Click();
    void backbut_Click();
    void prntbut_Click();

    // The number of the last row whose name box is not empty, 0 when none is.
    int lastnamedrow() const;
    // Areas of rows 1..ndept into the problem, then the three statistics.
    void readareas();
    void showstats();
    // Saved layouts keep their zone areas in step with the department areas.
    void updatesavedzoneareas();
    // Typing writes the count, the areas and the statistics as it goes;
    // leaving without Continue puts back those the window opened with.
    void putback();

    struct Departments {
        int ndept = 0;
        Table<Cell, maxdept + 1> deptarea{};
        double totalarea = 0, avgarea = 0, stdarea = 0;
    };
    Departments opened_;
    bool continued_ = false;
};
