#pragma once
// The building's length-to-width ratio from four presets, or a typed length
// and width (specxyfrm). Each choice also sets the drawing values.

#include "forms/controls.h"
#include "forms/form.h"

class lwratiofrm final : public forms::Form {
public:
    lwratiofrm();

    forms::Label Label1{this, "Label1", "Select a length (horizontal) to width (vertical) ratio."};
    forms::Label Label2{this, "Label2", "Length"};
    forms::Label Label3{this, "Label3", "Width"};
    forms::ControlArray<forms::Label> sellbl{this, "sellbl", 5};
    forms::CommandButton opt1but{this, "opt1but", "1.35 x 1.00"};
    forms::CommandButton opt2but{this, "opt2but", "2.00 x 1.00"};
    forms::CommandButton opt3but{this, "opt3but", "1.00 x 1.00"};
    forms::CommandButton opt4but{this, "opt4but", "1.00 x 2.00"};
    forms::CommandButton opt5but{this, "opt5but", "Specify Ratio"};
    forms::CommandButton backbut{this, "backbut", "Back"};

    // The values a preset sets: the ratio and the seven drawing values.
    struct Preset {
        double lwratio;
        int drawwidth, drawheight, drawcellwidth, drawcellheight;
        int ratioaux1, ratioaux2, ratioaux3;
    };
    static constexpr Preset square{1, 333, 150, 111, 50, 17, 6, 15};
    static void setpreset(const Preset& p);

private:
    void Form_Load() override;
    void opt1but_Click();
    void opt2but_Click();
    void opt3but_Click();
    void opt4but_Click();
    void opt5but_Click();
    void backbut_Click();
    void choose(const Preset& p);
};
