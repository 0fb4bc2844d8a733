#include "problem/svect2frm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"

#include <algorithm>

svect2frm::svect2frm() : Form("svect2frm", "Score Vector") {
    forms::place(Label1, 240, 240, 900, 285);
    forms::place(Label2, 1260, 240, 2700, 285);
    forms::place(Label3, 4080, 240, 1200, 285);
    for (int r = 0; r < 18; ++r) {
        const int y = 600 + r * 330;
        for (forms::TextBox* box : {&itxt[r], &nmdpttxt[r], &dscortxt[r]})
            box->setReadOnly(true);
        forms::place(itxt[r], 240, y, 900, 300);
        itxt[r].setalignment(forms::TextBox::Align::center);
        forms::place(nmdpttxt[r], 1260, y, 2700, 300);
        forms::place(dscortxt[r], 4080, y, 1200, 300);
        dscortxt[r].setalignment(forms::TextBox::Align::right);
    }
    forms::place(okbut, 5520, 600, 1500, 420);
    forms::place(prntbut, 5520, 1140, 1500, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void svect2frm::Form_Load() {
    Module1& m = module1();
    const int n = problemsize(m.ndept);
    for (int r = 1; r <= 18; ++r) {
        itxt[r - 1].setvisible(r <= n);
        nmdpttxt[r - 1].setvisible(r <= n);
        dscortxt[r - 1].setvisible(r <= n);
    }
    m.computescorevector();
    for (int i = 1; i <= n; ++i) {
        itxt[i - 1].setText(numtext::format(i, "0"));
        nmdpttxt[i - 1].setText(m.deptname[i]);
        dscortxt[i - 1].setText(numtext::plain(m.deptscore[i]));
    }
}

void svect2frm::okbut_Click() {
    close();
}

void svect2frm::prntbut_Click() {
    printform();
}
