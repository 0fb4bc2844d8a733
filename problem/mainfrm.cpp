#include "problem/mainfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "problem/lwratiofrm.h"
#include "problem/mainmenufrm.h"
#include "problem/relfrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"

#include <algorithm>

namespace {

// A stored number as its box shows it: no sign place, nothing for an empty cell.
std::string plain(const Cell& c) {
    return c.isnumber() ? numtext::plain(c) : c.str();
}

} // namespace

mainfrm::mainfrm() : Form("mainfrm", "MARQUETA") {
    constexpr int top = 600, pitch = 330, height = 300;
    forms::place(Label1, 240, 240, 900, height);
    forms::place(Label2, 1260, 240, 2700, height);
    forms::place(Label3, 4080, 240, 1500, height);
    for (int r = 0; r < 18; ++r) {
        const int y = top + r * pitch;
        forms::place(itxt[r], 240, y, 900, height);
        itxt[r].setReadOnly(true);
        itxt[r].setalignment(forms::TextBox::Align::center);
        forms::place(nmdpttxt[r], 1260, y, 2700, height);
        forms::place(areatxt[r], 4080, y, 1500, height);
        areatxt[r].setalignment(forms::TextBox::Align::right);
        areatxt[r].onchange = [this] { areatxt_Change(); };
    }
    forms::place(datafilelbl, 6000, 240, 3600, height);
    forms::place(instlbl, 6000, 600, 3600, height);
    int y = 1200;
    for (auto [label, box] : {std::pair<forms::Label*, forms::TextBox*>{&Label4, &totaltxt},
                              {&Label5, &avgtxt},
                              {&Label6, &stdtxt}}) {
        forms::place(*label, 6000, y, 1800, height);
        forms::place(*box, 7920, y, 1680, height);
        box->setReadOnly(true);
        box->setalignment(forms::TextBox::Align::right);
        y += 450;
    }
    forms::place(okbut, 6000, 3000, 3600, 420);
    forms::place(backbut, 6000, 3600, 3600, 420);
    forms::place(prntbut, 6000, 4200, 3600, 420);
    fit();
    okbut.onclick = [this] { okbut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void mainfrm::Form_Load() {
    Module1& m = module1();
    opened_ = {m.ndept, m.deptarea, m.totalarea, m.avgarea, m.stdarea};
    if (m.datasource == "d")
        datafilelbl.setpath(m.problemfile);
    else
        datafilelbl.setCaption("New problem");
    instlbl.setCaption("Enter or modify problem data.");
    for (int r = 0; r < 18; ++r)
        itxt[r].setText(numtext::format(r + 1, "0"));
    // Filling an area box runs the change handler as typing does, so the
    // count and the statistics are rebuilt row by row.
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i) {
        nmdpttxt[i - 1].setText(m.deptname[i]);
        areatxt[i - 1].setText(plain(m.deptarea[i]));
    }
    if (m.ndept != 0) showstats();
}

int mainfrm::lastnamedrow() const {
    int last = 0;
    for (int r = 1; r <= 18; ++r)
        if (!nmdpttxt[r - 1].text().empty()) last = r;
    return last;
}

void mainfrm::readareas() {
    Module1& m = module1();
    for (int i = 1; i <= problemsize(m.ndept); ++i)
        m.deptarea[i] = numtext::val(areatxt[i - 1].text());
    m.computeareastats();
}

void mainfrm::showstats() {
    const Module1& m = module1();
    totaltxt.setText(numtext::plain(m.totalarea));
    avgtxt.setText(numtext::format(m.avgarea, "######0.0"));
    stdtxt.setText(numtext::format(m.stdarea, "######0.0"));
}

void mainfrm::areatxt_Change() {
    Module1& m = module1();
    // With every name box empty the count keeps its previous value.
    if (const int last = lastnamedrow(); last != 0) m.ndept = last;
    readareas();
    showstats();
}

void mainfrm::updatesavedzoneareas() {
    Module1& m = module1();
    const long nsaved = std::min(m.nsavedlayouts.whole(), long(savedlayoutstorage - 1));
    for (int k = 1; k <= 9; ++k)
        for (long q = 1; q <= nsaved; ++q)
            m.savedzonearea[k][std::size_t(q)] = m.savedzonesum(k, int(q));
}

void mainfrm::okbut_Click() {
    Module1& m = module1();
    if (nmdpttxt[0].text().empty()) {
        m.msgbox("No departments specified!");
        return;
    }
    continued_ = true;
    m.ndept = lastnamedrow();
    // Departments cleared from the end leave nothing behind for the next
    // department to take that number.
    m.forgetbeyondcount();
    for (int i = 1; i <= m.ndept; ++i)
        m.deptname[i] = nmdpttxt[i - 1].text();
    readareas();
    {
        relfrm chart;
        chart.show_modal();
    }
    m.computeareastats();
    // storeymany builds from the default ratio every time, storeyone from its own.
    m.sizebuilding(m.program == Program::storeymany ? defaultratio : m.lwratio.num());
    if (m.nsavedlayouts.num() > 0) updatesavedzoneareas();
    {
        svectfrm scores;
        scores.show_modal();
    }
    {
        svect2frm deptscores;
        deptscores.show_modal();
    }
    if (m.program == Program::storeyone && m.datasource == "k") {
        lwratiofrm ratio;
        ratio.show_modal();
        m.sizebuilding(m.lwratio);
    }
    m.orderpairsbyrating();
    m.sortdeptsbyarea();
    close();
    if (!mainmenufrm::current()) {
        mainmenufrm menu;
        menu.show_modal();
    }
}

void mainfrm::putback() {
    Module1& m = module1();
    m.ndept = opened_.ndept;
    m.deptarea = opened_.deptarea;
    m.totalarea = opened_.totalarea;
    m.avgarea = opened_.avgarea;
    m.stdarea = opened_.stdarea;
}

void mainfrm::backbut_Click() {
    putback();
    close();
}

void mainfrm::closeEvent(QCloseEvent* e) {
    if (isopen() && !continued_) putback();
    Form::closeEvent(e);
}

void mainfrm::prntbut_Click() {
    printform();
}
