#pragma once
// The entry sheet of one product that the add and change windows share: the
// name and unit loads boxes, the 18 routing step boxes numbered 1 to 18 under
// "Sequence" and "Dept. Num", and a legend of the department names beside them.
//
// A window embeds one as a member, constructed with the window.

#include "forms/controls.h"
#include "model/module1.h"

#include <string_view>

class productsheet final {
public:
    static constexpr int nstepboxes = maxdept;

    explicit productsheet(forms::Form* form);

    // Legend entry i - 1 shows a blank, the number i, the dash and the name of
    // department i, for the departments of the problem.
    void showlegend(std::string_view dash);
    // The product as typed: the routing has as many steps as there are filled
    // step boxes, taken from the first boxes in order, so an empty box among
    // them is the step 0 and a filled box beyond them is not taken.
    Module1::TypedProduct typed() const;

    // The sheet's bottom edge in twips, for placing the buttons.
    int bottom() const;

    forms::Label Label1;
    forms::TextBox prodnametxt;
    forms::Label Label2;
    forms::TextBox uloadtxt;
    forms::Label Label3;
    forms::Label Label4;
    forms::ControlArray<forms::Label> seqlbl;
    forms::ControlArray<forms::TextBox> prodvectxt;
    forms::ControlArray<forms::Label> nmdptlbl;
};
