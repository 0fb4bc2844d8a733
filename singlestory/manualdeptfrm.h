#pragma once
// Manual placement: the user puts chosen departments on chosen zone sides;
// on Return the placements become the fixed arrangement that the random
// placement and the searches leave where it is.

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picturebox.h"

class manualdeptfrm final : public forms::Form {
public:
    manualdeptfrm();

    forms::Label deptlbl{this, "deptlbl", "Department"};
    forms::ListBox deptlst{this, "deptlst"};
    forms::Label zonelbl{this, "zonelbl", "Zone"};
    forms::ListBox zonelst{this, "zonelst"};
    forms::Label sidelbl{this, "sidelbl", "Side"};
    forms::ListBox sidelst{this, "sidelst"};
    forms::CommandButton manualbut{this, "manualbut", "Manually Locate Specified Department"};
    forms::CommandButton okbut{this, "okbut", "Return"};
    forms::CommandButton donebut{this, "donebut", "Done"};
    forms::PictureBox layoutbox{this, "layoutbox"};

    // Orders the departments by area, as the area order of the problem does.
    void msorderdeptarea();

private:
    void Form_Load() override;
    void manualbut_Click();
    void okbut_Click();
    void donebut_Click();
    // Draws the zone grid, in the 640 x 200 scale, with the zone letters.
    void drawgrid();
    // Return and Done: the placements become the fixed arrangement.
    void keepplacements();
};
