#include "problem/deleteproductfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "problem/reviewproductfrm.h"

#include <algorithm>

deleteproductfrm::deleteproductfrm() : Form("deleteproductfrm", "Delete Product") {
    forms::place(Label1, 240, 240, 3600, 375);
    forms::place(prodlst, 240, 855, 3600, 2400);
    forms::place(okbut, 240, 3375, 1680, 420);
    forms::place(cancelbut, 2160, 3375, 1680, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    cancelbut.onclick = [this] { cancelbut_Click(); };
}

void deleteproductfrm::fillproductlist(forms::ListBox& list) {
    const long n = std::clamp(module1().nprod.whole(), 0L, long(maxprod));
    for (long p = 1; p <= n; ++p)
        list.additem(numtext::str(double(p)));
}

int deleteproductfrm::selectedproduct(const forms::ListBox& list) {
    for (int i = 0; i < list.listcount(); ++i)
        if (list.selected(i)) return i + 1;
    return 0;
}

void deleteproductfrm::Form_Load() {
    fillproductlist(prodlst);
}

void deleteproductfrm::okbut_Click() {
    // With no entry selected there is nothing to delete: the window stays.
    const int p = selectedproduct(prodlst);
    if (p == 0) return;
    Module1& m = module1();
    m.selprod = p;
    m.deleteproduct();
    close();
    reviewproductfrm review;
    review.show_modal();
}

void deleteproductfrm::cancelbut_Click() {
    close();
}
