#include "problem/addproductinfofrm.h"

#include "model/module1.h"
#include "problem/reviewproductfrm.h"

addproductinfofrm::addproductinfofrm()
    : Form("addproductinfofrm", "Add Product Information"), sheet(this) {
    const int y = sheet.bottom() + 240;
    forms::place(changebut, 240, y, 1500, 420);
    forms::place(cancelbut, 1920, y, 1500, 420);
    forms::place(prntbut, 3600, y, 1500, 420);
    fit();
    changebut.onclick = [this] { changebut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void addproductinfofrm::Form_Load() {
    sheet.showlegend(" - ");
}

void addproductinfofrm::changebut_Click() {
    Module1& m = module1();
    const Module1::TypedProduct typed = sheet.typed();
    // The table holds 14 products and the routing vector 400 steps; only a
    // file can have filled the vector.
    if (m.nprod.whole() >= maxprod) {
        m.msgbox("No more than 14 products!");
        return;
    }
    if (!m.productroom(typed.nsteps)) {
        m.msgbox("No room for more routing steps!");
        return;
    }
    m.addproduct(typed);
    close();
    reviewproductfrm review;
    review.show_modal();
}

void addproductinfofrm::cancelbut_Click() {
    close();
    reviewproductfrm review;
    review.show_modal();
}

void addproductinfofrm::prntbut_Click() {
    printform();
}
