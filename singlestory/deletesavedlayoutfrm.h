#pragma once
// Deletion of one saved layout, opened over the table of saved layouts: the
// later layouts move down by one and the table's rows are rewritten.

#include "forms/controls.h"
#include "forms/form.h"

class tablesavedlayoutsfrm;

class deletesavedlayoutfrm final : public forms::Form {
public:
    // table: the table window under this one, whose rows a deletion rewrites.
    explicit deletesavedlayoutfrm(tablesavedlayoutsfrm& table);

    forms::Label Label1{this, "Label1", "Select layout to delete"};
    forms::ListBox layoutlst{this, "layoutlst"};
    forms::CommandButton Delete{this, "Delete", "Delete"};
    forms::CommandButton cancelbut{this, "cancelbut", "Cancel"};

private:
    void Form_Load() override;
    void Delete_Click();
    void cancelbut_Click();
    tablesavedlayoutsfrm& table_;
};
