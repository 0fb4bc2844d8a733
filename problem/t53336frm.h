#pragma once
// The flow matrix as a from-to chart of unit loads, as the flow matrix was
// last built from the product routings and the additions matrix. Both matrix
// windows draw their chart with drawmatrix().

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/picturebox.h"
#include "model/module1.h"

class t53336frm final : public forms::Form {
public:
    t53336frm();

    forms::PictureBox layoutbox{this, "layoutbox"};
    forms::CommandButton addmatrixbut{this, "addmatrixbut", "Additions Matrix"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};
    forms::CommandButton okbut{this, "okbut", "Continue"};

    // Draws matrix(i, j) for i <= j divided by flowscale: column and row
    // heads, the cells, frame and grid, the department legend and the divisor.
    static void drawmatrix(forms::Surface& s, const Table2<Cell, 19, 19>& matrix);

private:
    void Form_Load() override;
    void addmatrixbut_Click();
    void prntbut_Click();
    void okbut_Click();
};
