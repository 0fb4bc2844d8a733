#pragma once
// Third analysis window of a displayed layout: the distance matrix of the
// department centroids with the R score, the relationship-distance score and
// the two bounds.

#include "forms/controls.h"
#include "forms/form.h"
#include "problem/pairchart.h"

class layoutanalysis3frm final : public forms::Form {
public:
    layoutanalysis3frm();

    forms::Label Label1{this, "Label1", "DISTANCE MATRIX"};
    pairchart chart;
    forms::Label Label3{this, "Label3", "R. Score"};
    forms::Label yyscorelbl{this, "yyscorelbl"};
    forms::Label Label4{this, "Label4", "Rel-Dist Score"};
    forms::Label relscrlbl{this, "relscrlbl"};
    forms::Label Label5{this, "Label5", "Lower Bound"};
    forms::Label bboundlbl{this, "bboundlbl"};
    forms::Label Label6{this, "Label6", "Upper Bound"};
    forms::Label tboundlbl{this, "tboundlbl"};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};

private:
    void Form_Load() override;
    void okbut_Click();
    void prntbut_Click();
};
