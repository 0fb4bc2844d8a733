#pragma once
// The layout display: evaluates the current layout and draws it with its
// header, department numbers, legend and score panel; its buttons exchange two
// departments, save the layout, end an improvement walk, print, and open the
// four analysis windows.

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picturebox.h"

namespace forms {
class Surface;
}

class display1frm final : public forms::Form {
public:
    display1frm();

    forms::PictureBox layoutbox{this, "layoutbox"};
    forms::CommandButton analysisbut{this, "analysisbut", "Analysis"};
    forms::CommandButton exchangebut{this, "exchangebut", "Exchange"};
    forms::CommandButton makechangebut{this, "makechangebut", "Make Change"};
    forms::CommandButton prnt2but{this, "prnt2but", "Print"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};
    forms::CommandButton Savebut{this, "Savebut", "Save"};
    forms::CommandButton termbut{this, "termbut", "Terminate"};
    forms::CommandButton okbut{this, "okbut", "Continue"};
    forms::Label makechangelbl{this, "makechangelbl", "Exchange departments"};
    forms::TextBox nnx1txt{this, "nnx1txt"};
    forms::Label makechangelbl2{this, "makechangelbl2", "and"};
    forms::TextBox nnx2txt{this, "nnx2txt"};

    // Orders the departments by area; closes the window in quiet mode.
    void msorderdeptarea();
    // The analysis windows take the display's actions away while they show
    // (false) and the last one gives them back (true); Make Change stays hidden.
    void showactions(bool shown);

private:
    void Form_Load() override;
    void exchangebut_Click();
    void makechangebut_Click();
    void Savebut_Click();
    void termbut_Click();
    void okbut_Click();
    void prnt2but_Click();
    void prntbut_Click();
    void analysisbut_Click();

    // Where the drawing puts the legend and the department numbers: storeyone
    // shifts both to the right on its first drawing of a layout.
    struct Placement {
        double legendleft;  // x of the first legend entry of a row
        double numbershift; // added to x of each department number
    };
    static constexpr Placement plain{1, 0};
    static constexpr Placement shifted{31, 6};
    // Draws the evaluated layout: frame, legend, band separators, department
    // numbers and right edges. f scales every vertical position and length but
    // the legend's (1 on the screen, less on paper).
    static void drawlayout(forms::Surface& s, Placement at, double f);
    void setentry(bool entering);
};
