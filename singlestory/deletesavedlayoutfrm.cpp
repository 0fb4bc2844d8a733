#include "singlestory/deletesavedlayoutfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "singlestory/tablesavedlayoutsfrm.h"

namespace {

// The table's rows: the saved layouts, at most 20.
int savedcount(const Module1& m) {
    return boundedcount(m.nsavedlayouts, maxsavedlayouts);
}

} // namespace

deletesavedlayoutfrm::deletesavedlayoutfrm(tablesavedlayoutsfrm& table)
    : Form("deletesavedlayoutfrm", "Delete Saved Layout"), table_(table) {
    forms::place(Label1, 480, 240, 2400, 375);
    forms::place(layoutlst, 480, 735, 2400, 2160);
    forms::place(Delete, 480, 3135, 1080, 495);
    forms::place(cancelbut, 1800, 3135, 1080, 495);
    setClientSize(3360, 3870);
    Delete.onclick = [this] { Delete_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

void deletesavedlayoutfrm::Form_Load() {
    const int n = savedcount(module1());
    for (int q = 1; q <= n; ++q)
        layoutlst.additem(numtext::str(q));
}

void deletesavedlayoutfrm::Delete_Click() {
    Module1& m = module1();
    int d = 0;
    for (int i = 0; i < layoutlst.listcount(); ++i)
        if (layoutlst.selected(i)) d = i + 1;
    if (d == 0) {
        m.msgbox("No layout specified");
        return;
    }
    // The later layouts move down with the scores they had; nothing is rescored.
    const int n = savedcount(m);
    m.nsavedlayouts = n - 1;
    for (int q = d; q <= n - 1; ++q)
        m.copysavedlayout(q + 1, q);
    m.ranksavedlayouts();
    table_.layoutgrd.setredraw(false);
    table_.fillrows("0.00");
    table_.blankrow(n);
    table_.layoutgrd.setredraw(true);
    close();
}

void deletesavedlayoutfrm::cancelbut_Click() {
    close();
}
