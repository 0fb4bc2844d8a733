#include "problem/flowfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "problem/editfrm.h"
#include "problem/mainmenufrm.h"

namespace {
constexpr int charttop = 1080;
}

flowfrm::flowfrm()
    : Form("flowfrm", "Flow Form"),
      chart(this, pairchart::Boxes::entry, maxdept - 1, 240, charttop) {
    forms::place(titlelbl, 240, 240, chart.right() - 240, 375);
    titlelbl.setAlignment(Qt::AlignCenter);
    forms::place(Label9, 240, 660, chart.right() - 240, 300);
    const int y = chart.bottom() + 240;
    forms::place(okbut, 240, y, 1800, 420);
    forms::place(Cancel, 2160, y, 1800, 420);
    forms::place(prntbut, 4080, y, 1800, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    Cancel.onclick = [this] { Cancel_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void flowfrm::Form_Load() {
    const Module1& m = module1();
    titlelbl.setCaption("MATERIAL HANDLING LOAD CHART");
    Label9.setCaption("Enter or change values for material handling loads between departments.");
    chart.hideall();
    chart.showheadings(m.ndept, m.deptname);
    // Loads show as whole numbers, a load of 0 as an empty box; a new
    // problem's chart opens empty until it is first confirmed.
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            forms::TextBox& box = chart.pair(i, j);
            box.setvisible(true);
            box.setalignment(forms::TextBox::Align::right);
            const double load = m.flowmatrix[i][j];
            box.setText(m.newchart == 0 && load != 0 ? numtext::format(load, "0") : "");
        }
    }
    chart.remember(m.newchart == 0);
}

void flowfrm::okbut_Click() {
    Module1& m = module1();
    const int n = problemsize(m.ndept);
    // While loads are held, a flow typed below what the routings and
    // additions give the pair would leave a load below 0: nothing is stored then.
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const double least = m.routedshare(i, j);
            if (m.loadsheld == 1 && chart.changed(i, j) &&
                numtext::val(chart.pair(i, j).text()) < least) {
                m.msgbox("The flow between departments " + numtext::plain(i) + " and " +
                         numtext::plain(j) + " can be no less than " + numtext::plain(least) +
                         ", what the products' routings and the additions give it.");
                chart.pair(i, j).setfocus();
                return;
            }
        }
    }
    // A chart confirmed as it opened changes nothing: no flow, no load, and
    // neither the chart in use nor product movement.
    if (!chart.anychanged(n)) {
        close();
        return;
    }
    m.newchart = 0;
    // A changed box becomes the pair's flow in use, and the loads the next
    // switch builds from follow it. A box left as it opened shows the flow
    // rounded, so the flow itself stays.
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (chart.changed(i, j)) m.changeload(i, j, numtext::val(chart.pair(i, j).text()));
    if (m.program == Program::storeyone) {
        // The loads now drive product movement and the chart labels; the
        // letters change only when the edit menu switches the chart.
        m.chartsource = 1;
        m.prodflag = 1;
        editfrm::showchartlabels(mainmenufrm::chartlabel(m.chartsource));
    }
    close();
}

void flowfrm::Cancel_Click() {
    close();
}

void flowfrm::prntbut_Click() {
    printform();
}
