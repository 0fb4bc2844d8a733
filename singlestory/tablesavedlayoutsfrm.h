#pragma once
// The table of saved layouts: every layout rescored on opening, with its
// adjacency, relationship-distance, R and product-movement scores and the
// rank of each; deletes one layout through deletesavedlayoutfrm.

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"

#include <string_view>

class tablesavedlayoutsfrm final : public forms::Form {
public:
    tablesavedlayoutsfrm();

    forms::Grid layoutgrd{this, "layoutgrd"};
    forms::CommandButton prntbut{this, "prntbut", "Print"};
    forms::CommandButton deletebut{this, "deletebut", "Delete"};
    forms::CommandButton backbut{this, "backbut", "Continue"};

    // Writes rows 1 to the saved count from the saved scores and their ranks;
    // the R score and the product movement take the given format ("0" on
    // opening, "0.00" after a deletion). Without product data column 3 is
    // left as it is.
    void fillrows(std::string_view wholeformat);
    // Empties the four cells of row r.
    void blankrow(int r);

private:
    void Form_Load() override;
    void prntbut_Click();
    void deletebut_Click();
    void backbut_Click();
    void setcell(int row, int col, const std::string& text);
};
