#include "problem/modifyproductinfofrm.h"

#include "model/module1.h"
#include "problem/deleteproductfrm.h"
#include "problem/modifyproductinfofrm2.h"

modifyproductinfofrm::modifyproductinfofrm() : Form("modifyproductinfofrm", "Modify Product") {
    forms::place(Label1, 240, 240, 3600, 375);
    forms::place(prodlst, 240, 855, 3600, 2400);
    forms::place(okbut, 240, 3375, 1680, 420);
    forms::place(cancelbut, 2160, 3375, 1680, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

void modifyproductinfofrm::Form_Load() {
    deleteproductfrm::fillproductlist(prodlst);
}

void modifyproductinfofrm::okbut_Click() {
    // With no entry selected there is nothing to change: the window stays.
    const int p = deleteproductfrm::selectedproduct(prodlst);
    if (p == 0) return;
    Module1& m = module1();
    m.selprod = p;
    m.pickproduct();
    close();
    modifyproductinfofrm2 change;
    change.show_modal();
}

void modifyproductinfofrm::cancelbut_Click() {
    close();
}
