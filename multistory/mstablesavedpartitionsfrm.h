#pragma once
// The table of saved partitions: stories, desired and actual area difference
// factor and the score with its rank; deletes one partition on request.

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/grid.h"

class mstablesavedpartitionsfrm final : public forms::Form {
public:
    mstablesavedpartitionsfrm();

    forms::Grid partgrd{this, "partgrd"};
    forms::CommandButton delbut{this, "delbut", "Delete Layout"};
    forms::CommandButton backbut{this, "backbut", "Back to Multi-Story Menu"};
    forms::Label dellbl{this, "dellbl", "Partition number for deletion"};
    forms::TextBox deltxt{this, "deltxt"};
    forms::CommandButton del2but{this, "del2but", "Delete"};
    forms::CommandButton canbut{this, "canbut", "Cancel"};

private:
    void Form_Load() override;
    void delbut_Click();
    void canbut_Click();
    void del2but_Click();
    void backbut_Click();
    void filltable();
    void setcell(int row, int col, const std::string& text);
    void deletemode(bool on);
};
