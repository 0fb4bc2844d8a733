#include "problem/modifyproductinfofrm2.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "problem/reviewproductfrm.h"

#include <QCloseEvent>

#include <algorithm>

modifyproductinfofrm2::modifyproductinfofrm2()
    : Form("modifyproductinfofrm2", "Change Product Information"), sheet(this) {
    const int y = sheet.bottom() + 240;
    forms::place(changebut, 240, y, 1500, 420);
    forms::place(cancelbut, 1920, y, 1500, 420);
    forms::place(prntbut, 3600, y, 1500, 420);
    fit();
    changebut.onclick = [this] { changebut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void modifyproductinfofrm2::Form_Load() {
    Module1& m = module1();
    prodnametxt.setText(m.liftprodname);
    uloadtxt.setText(numtext::str(m.liftuload));
    // The picked product's steps as they were; a routing longer than the 18
    // boxes shows its first 18.
    const bool picked = m.selprod >= 1 && m.selprod <= maxprod;
    const long length = picked ? m.bakprodveclen[std::size_t(m.selprod)].whole() : 0;
    const int shown = int(std::clamp(length, 0L, long(productsheet::nstepboxes)));
    for (int k = 1; k <= shown; ++k)
        prodvectxt[k - 1].setText(numtext::str(m.liftprodvec[std::size_t(k)]));
    sheet.showlegend("- ");
    m.prepareproductplace();
}

void modifyproductinfofrm2::changebut_Click() {
    Module1& m = module1();
    const Module1::TypedProduct typed = sheet.typed();
    // Only a file can have filled the routing vector so far.
    if (!m.routingroom(m.changedlength(typed))) {
        m.msgbox("No room for more routing steps!");
        return;
    }
    m.changeproduct(typed);
    close();
    reviewproductfrm review;
    review.show_modal();
}

void modifyproductinfofrm2::cancelbut_Click() {
    module1().restoreproducts();
    close();
    reviewproductfrm review;
    review.show_modal();
}

void modifyproductinfofrm2::prntbut_Click() {
    printform();
}

void modifyproductinfofrm2::closeEvent(QCloseEvent* e) {
    // The picked product is out of the table while the window is open: closing
    // it any other way than by Continue must not lose it.
    if (isopen()) {
        e->accept();
        cancelbut_Click();
        return;
    }
    Form::closeEvent(e);
}
