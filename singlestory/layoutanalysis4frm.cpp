#include "singlestory/layoutanalysis4frm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "singlestory/display1frm.h"
#include "singlestory/pairtable.h"

#include <algorithm>

namespace {
constexpr int charttop = 720;
}

layoutanalysis4frm::layoutanalysis4frm(display1frm* display)
    : Form("layoutanalysis4frm", "Layout Analysis 4"),
      chart(this, pairchart::Boxes::display, maxdept - 1, 240, charttop), display_(display) {
    forms::place(Label1, 240, 240, chart.right() - 240, 375);
    Label1.setAlignment(Qt::AlignCenter);
    const int y = chart.bottom() + 240;
    forms::place(Label3, 240, y, 3960, 285);
    forms::place(divisortxt, 4260, y, 1200, 285);
    forms::place(Label4, 240, y + 360, 3960, 285);
    forms::place(prodmvtxt, 4260, y + 360, 1560, 285);
    Label3.setAlignment(Qt::AlignRight | Qt::AlignTop);
    divisortxt.setReadOnly(true);
    prodmvtxt.setReadOnly(true);
    forms::place(okbut, 7200, y, 1500, 420);
    forms::place(prntbut, 8880, y, 1500, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void layoutanalysis4frm::Form_Load() {
    Module1& m = module1();
    setuppairtable(chart);
    // Uses the distances the third window has just built and leaves the raw
    // adjacency score at 0; without product data the total has no value.
    const Cell total = m.calcflowdistances();
    if (m.prodflag == 1) {
        m.flowscale = Module1::flowdivisor(m.maxflowdist);
        const int n = problemsize(m.ndept);
        for (int i = 1; i <= n - 1; ++i)
            for (int j = i + 1; j <= n; ++j)
                showmeasure(chart, i, j, m.flowdist[std::size_t(i)][std::size_t(j)] / m.flowscale);
        divisortxt.setText(numtext::str(m.flowscale));
        prodmvtxt.setText(numtext::format(total, "0"));
    }
    if (m.storescores != 0 && m.curlayout >= 0 && m.curlayout < savedlayoutstorage)
        m.savedprodmove[std::size_t(m.curlayout)] = total;
}

void layoutanalysis4frm::okbut_Click() {
    if (display_ != nullptr) display_->showactions(true);
    close();
}

void layoutanalysis4frm::prntbut_Click() {
    printform();
}
