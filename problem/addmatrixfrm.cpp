#include "problem/addmatrixfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "problem/t53336frm.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

// The additions chart divides by at most 100000.
constexpr double largestdivisor = 100000;

} // namespace

addmatrixfrm::addmatrixfrm() : Form("addmatrixfrm", "Display Layout") {
    setClientSize(11808, 8460);
    forms::place(layoutbox, 360, 240, 11055, 7095);
    forms::place(chgaddmatbut, 360, 7560, 2295, 495);
    forms::place(ilbl, 360, 7665, 540, 285);
    forms::place(itxt, 900, 7665, 540, 285);
    forms::place(jlbl, 1560, 7665, 420, 285);
    forms::place(jtxt, 1980, 7665, 540, 285);
    forms::place(valuelbl, 2640, 7665, 600, 285);
    forms::place(valuetxt, 3240, 7665, 1080, 285);
    forms::place(makechgbut, 4560, 7560, 1335, 495);
    forms::place(canchgbut, 6000, 7560, 1335, 495);
    forms::place(prntbut, 8640, 7560, 1215, 495);
    forms::place(okbut, 9960, 7560, 1335, 495);
    showchange(false);
    chgaddmatbut.onclick = [this] { chgaddmatbut_Click(); };
    canchgbut.onclick = [this] { canchgbut_Click(); };
    makechgbut.onclick = [this] { makechgbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
    okbut.onclick = [this] { okbut_Click(); };
}

void addmatrixfrm::Form_Load() {
    Module1& m = module1();
    const int n = problemsize(m.ndept);
    double largest = 0;
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            largest = std::max(largest, double(m.addflowmatrix[std::size_t(i)][std::size_t(j)]));
    m.evallayout();
    m.flowscale = std::min(Module1::flowdivisor(largest), largestdivisor);
    t53336frm::drawmatrix(layoutbox, m.addflowmatrix);
}

void addmatrixfrm::showchange(bool shown) {
    for (QWidget* w : std::initializer_list<QWidget*>{&makechgbut, &canchgbut, &ilbl, &jlbl,
                                                      &valuelbl, &itxt, &jtxt, &valuetxt})
        w->setVisible(shown);
}

void addmatrixfrm::chgaddmatbut_Click() {
    chgaddmatbut.setvisible(false);
    showchange(true);
}

void addmatrixfrm::canchgbut_Click() {
    showchange(false);
    chgaddmatbut.setvisible(true);
}

void addmatrixfrm::makechgbut_Click() {
    Module1& m = module1();
    const double i = std::nearbyint(numtext::val(itxt.text()));
    const double j = std::nearbyint(numtext::val(jtxt.text()));
    const int n = problemsize(m.ndept);
    // A refused pair keeps the change controls shown with the value typed.
    if (!(i < j)) {
        m.msgbox("I must be < J!");
        itxt.setText("");
        jtxt.setText("");
        return;
    }
    if (i < 1 || j > n) {
        m.msgbox("From and To must be department numbers 1 to " + numtext::format(n, "#0") + "!");
        itxt.setText("");
        jtxt.setText("");
        return;
    }
    for (QWidget* w :
         std::initializer_list<QWidget*>{&ilbl, &jlbl, &valuelbl, &itxt, &jtxt, &valuetxt})
        w->setVisible(false);
    m.addflowmatrix[std::size_t(i)][std::size_t(j)] = numtext::val(valuetxt.text());
    m.buildflowmatrix();
    close();
    t53336frm flows;
    flows.show_modal();
}

void addmatrixfrm::prntbut_Click() {
    printform();
}

void addmatrixfrm::okbut_Click() {
    close();
    t53336frm flows;
    flows.show_modal();
}
