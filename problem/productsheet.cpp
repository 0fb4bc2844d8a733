#include "problem/productsheet.h"
#include "model/tableindex.h"

#include "model/numtext.h"

#include <algorithm>
#include <string>

namespace {

// Geometry in twips: name and unit loads at the top, then one row per step.
constexpr int left = 240;
constexpr int boxleft = 1800;
constexpr int steptop = 1500;
constexpr int rowpitch = 330;
constexpr int rowheight = 285;
constexpr int legendleft = 3000;

} // namespace

productsheet::productsheet(forms::Form* form)
    : Label1(form, "Label1", "Product Name"), prodnametxt(form, "prodnametxt"),
      Label2(form, "Label2", "Unit Loads"), uloadtxt(form, "uloadtxt"),
      Label3(form, "Label3", "Sequence"), Label4(form, "Label4", "Dept. Num"),
      seqlbl(form, "seqlbl", nstepboxes), prodvectxt(form, "prodvectxt", nstepboxes),
      nmdptlbl(form, "nmdptlbl", nstepboxes) {
    forms::place(Label1, left, 240, 1440, rowheight);
    forms::place(prodnametxt, boxleft, 240, 3600, 315);
    forms::place(Label2, left, 660, 1440, rowheight);
    forms::place(uloadtxt, boxleft, 660, 1440, 315);
    forms::place(Label3, left, steptop - rowpitch, 1200, rowheight);
    forms::place(Label4, boxleft, steptop - rowpitch, 1200, rowheight);
    for (int k = 0; k < nstepboxes; ++k) {
        const int y = steptop + k * rowpitch;
        forms::place(seqlbl[k], left, y, 900, rowheight);
        seqlbl[k].setCaption(numtext::format(k + 1, "#0"));
        forms::place(prodvectxt[k], boxleft, y, 720, rowheight);
        forms::place(nmdptlbl[k], legendleft, y, 3600, rowheight);
    }
}

void productsheet::showlegend(std::string_view dash) {
    const Module1& m = module1();
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i)
        nmdptlbl[i - 1].setCaption(numtext::str(i) + std::string(dash) +
                                   m.deptname[std::size_t(i)]);
}

Module1::TypedProduct productsheet::typed() const {
    Module1::TypedProduct t;
    t.name = prodnametxt.text();
    t.uload = numtext::val(uloadtxt.text());
    for (int k = 0; k < nstepboxes; ++k)
        if (!prodvectxt[k].text().empty()) ++t.nsteps;
    for (int k = 1; k <= t.nsteps; ++k)
        t.steps[std::size_t(k)] = numtext::val(prodvectxt[k - 1].text());
    return t;
}

int productsheet::bottom() const {
    return steptop + nstepboxes * rowpitch;
}
