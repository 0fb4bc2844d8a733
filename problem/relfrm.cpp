#include "problem/relfrm.h"

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>

namespace {
constexpr int charttop = 720;
}

relfrm::relfrm()
    : Form("relfrm", "RELFORM"), chart(this, pairchart::Boxes::entry, maxdept, 240, charttop) {
    forms::place(titlelbl, 240, 240, chart.right() - 240, 375);
    titlelbl.setAlignment(Qt::AlignCenter);
    // The legend in two columns under the chart, the buttons beside it.
    const int y = chart.bottom() + 240;
    forms::Label* legend[] = {&Label1, &Label3, &Label4, &Label5, &Label6, &Label7};
    for (int k = 0; k < 6; ++k)
        forms::place(*legend[k], 240 + (k / 3) * 3000, y + (k % 3) * 300, 2880, 285);
    forms::place(Label8, 6240, y, 2400, 285);
    forms::place(okbut, 6240, y + 360, 1800, 420);
    forms::place(prntbut, 8160, y + 360, 1800, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void relfrm::Form_Load() {
    const Module1& m = module1();
    titlelbl.setCaption(m.chartsource == 0 ? "RELATIONSHIP CHART"
                                           : "MATERIAL HANDLING RELATIONSHIP CHART");
    chart.hideall();
    chart.showheadings(m.ndept, m.deptname);
    // A new problem's chart opens empty until it is first confirmed.
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            forms::TextBox& box = chart.pair(i, j);
            box.setvisible(true);
            box.setText(m.newchart == 0 ? m.relchart[i][j].str() : "");
        }
    }
    chart.remember(m.newchart == 0);
}

void relfrm::okbut_Click() {
    Module1& m = module1();
    m.newchart = 0;
    // A changed box stores its letter as typed, case included, but of a
    // longer entry only the first character, the one the problem file gives
    // back. A box left as it opened keeps what is stored, whatever the file
    // held there.
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (chart.changed(i, j))
                m.relchart[i][j] = Module1::chartletter(Cell(chart.pair(i, j).text()));
    m.backuprelchart();
    close();
}

void relfrm::prntbut_Click() {
    printform();
}
