#include "singlestory/layoutanalysis3frm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "singlestory/pairtable.h"

#include <algorithm>

namespace {
constexpr int charttop = 720;
}

layoutanalysis3frm::layoutanalysis3frm()
    : Form("layoutanalysis3frm", "Layout Analysis 3"),
      chart(this, pairchart::Boxes::display, maxdept - 1, 240, charttop) {
    forms::place(Label1, 240, 240, chart.right() - 240, 375);
    Label1.setAlignment(Qt::AlignCenter);
    // The four scores in two columns under the chart, the buttons beside them.
    const int y = chart.bottom() + 240;
    forms::Label* captions[] = {&Label3, &Label4, &Label5, &Label6};
    forms::Label* values[] = {&yyscorelbl, &relscrlbl, &bboundlbl, &tboundlbl};
    for (int k = 0; k < 4; ++k) {
        const int left = 240 + (k / 2) * 3240;
        const int top = y + (k % 2) * 360;
        forms::place(*captions[k], left, top, 1560, 285);
        forms::place(*values[k], left + 1620, top, 1440, 285);
    }
    forms::place(okbut, 7200, y, 1500, 420);
    forms::place(prntbut, 8880, y, 1500, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void layoutanalysis3frm::Form_Load() {
    Module1& m = module1();
    setuppairtable(chart);
    m.calcdistmatrix();
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            showmeasure(chart, i, j, m.distmatrix[std::size_t(i)][std::size_t(j)]);
    m.reldistscore();
    yyscorelbl.setCaption(numtext::format(m.rscore, "0.00"));
    bboundlbl.setCaption(numtext::format(m.lowerbound, "0.00"));
    tboundlbl.setCaption(numtext::format(m.upperbound, "0.00"));
    relscrlbl.setCaption(numtext::format(m.reldist, "0.00"));
}

void layoutanalysis3frm::okbut_Click() {
    close();
}

void layoutanalysis3frm::prntbut_Click() {
    printform();
}
