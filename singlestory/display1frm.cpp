#include "singlestory/display1frm.h"

#include "forms/printer.h"
#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "singlestory/layoutanalysis1frm.h"
#include "singlestory/layoutanalysis2frm.h"
#include "singlestory/layoutanalysis3frm.h"
#include "singlestory/layoutanalysis4frm.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// Vertical factor of the layout drawn on paper.
constexpr double paperfactor = 0.531225;

// Whether the evaluation placed department d: only then is its rectangle this
// layout's to draw.
bool placed(const Module1& m, int d) {
    return d >= 1 && d <= maxdept && m.deptplaced[std::size_t(d)] != 0;
}

// The normalised adjacency score of the shown layout.
double normalisedscore(const Module1& m) {
    return m.adjscore / m.maxadjscore;
}

// The saved score of the basis layout of an improvement walk.
double basescore(const Module1& m) {
    const int q = m.baselayout;
    return q >= 0 && q < savedlayoutstorage ? double(m.savedadjscore[std::size_t(q)]) : 0.0;
}

// A typed department number: a whole number from 1 to the department count.
bool goodnumber(double v, int ndept) {
    return v >= 1 && v <= ndept && v == std::trunc(v);
}

std::string chartname(int chartsource) {
    return chartsource == 0 ? "Standard Relationship Chart"
                            : "Material Handling Relationship Chart";
}

} // namespace

display1frm::display1frm() : Form("display1frm", "Display Layout") {
    setClientSize(11808, 8460);
    forms::place(layoutbox, 360, 240, 11055, 7095);
    forms::place(analysisbut, 360, 7560, 1215, 495);
    forms::place(exchangebut, 1680, 7560, 1215, 495);
    forms::place(makechangebut, 4560, 7560, 1335, 495);
    forms::place(prnt2but, 6000, 7560, 1215, 495);
    forms::place(prntbut, 6000, 7560, 1215, 495);
    forms::place(Savebut, 7320, 7560, 1215, 495);
    forms::place(termbut, 8640, 7560, 1215, 495);
    forms::place(okbut, 9960, 7560, 1335, 495);
    // The label takes the place of the hidden Exchange button, wide enough
    // for "departments" on its second line.
    forms::place(makechangelbl, 1680, 7680, 1380, 600);
    makechangelbl.setAlignment(Qt::AlignRight | Qt::AlignTop);
    forms::place(nnx1txt, 3120, 7680, 375, 285);
    forms::place(makechangelbl2, 3600, 7680, 360, 375);
    forms::place(nnx2txt, 3960, 7680, 375, 285);
    // While shown, prntbut covers prnt2but: Print then draws the layout on paper.
    prntbut.raise();
    for (QWidget* w : std::initializer_list<QWidget*>{&makechangebut, &prntbut, &nnx1txt, &nnx2txt,
                                                      &makechangelbl, &makechangelbl2})
        w->setVisible(false);

    analysisbut.onclick = [this] { analysisbut_Click(); };
    exchangebut.onclick = [this] { exchangebut_Click(); };
    makechangebut.onclick = [this] { makechangebut_Click(); };
    Savebut.onclick = [this] { Savebut_Click(); };
    termbut.onclick = [this] { termbut_Click(); };
    okbut.onclick = [this] { okbut_Click(); };
    prnt2but.onclick = [this] { prnt2but_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void display1frm::Form_Load() {
    Module1& m = module1();
    const bool one = m.program == Program::storeyone;
    m.adjscore = 0;
    // A changed ratio or area takes effect on every display.
    if (one) m.sizelayout();
    layoutbox.fontname("system");
    layoutbox.scale(0, 0, 640, 200);
    makechangebut.setvisible(false);
    okbut.setCaption("Continue");

    // The header reaches the box even in quiet mode.
    if (m.itermode > 0) {
        layoutbox.printat(8, 8, "ITERATION" + numtext::printed(m.itercount));
        termbut.setvisible(true);
        okbut.setCaption("Next");
        exchangebut.setvisible(false);
        layoutbox.printat(8, 40, "Base score " + numtext::format(basescore(m), "0.00"));
    } else {
        const int saved = int(std::clamp(m.nsavedlayouts.whole(), 0L, long(savedlayoutstorage)));
        const bool reviewed = m.curlayout > 0 && (!one || saved != 0);
        const int number = reviewed ? m.curlayout : saved == 0 ? 1 : saved + 1;
        layoutbox.printat(one ? 30 : 8, 8, "LAYOUT" + numtext::str(number));
        termbut.setvisible(false);
        exchangebut.setvisible(true);
    }

    m.evallayout();
    if (m.batchmode != 0) return;
    drawlayout(layoutbox, one ? shifted : plain, 1);
    if (one) {
        layoutbox.printat(30, 24, "SCORE ");
        layoutbox.printat(30, 32, numtext::format(normalisedscore(m), "0.00"));
        layoutbox.printat(30, 48, "Specified");
        layoutbox.printat(30, 56, "L/W Ratio");
        layoutbox.printat(30, 64, numtext::format(m.lwratio, "###.00"));
        layoutbox.printat(30, 76, "Actual");
        layoutbox.printat(30, 84, "L/W Ratio");
        const double actual = m.totalarea / m.layoutwidth / m.layoutwidth;
        layoutbox.printat(30, 92, numtext::format(actual, "###.00"));
        layoutbox.printat(30, 190, chartname(m.chartsource));
    } else {
        layoutbox.printat(8, 24, "SCORE " + numtext::format(normalisedscore(m), "0.00"));
        layoutbox.printat(8, 56, "L/W Ratio " + numtext::format(m.lwratio, "###.00"));
        layoutbox.printat(8, 190, chartname(m.chartsource));
    }
}

void display1frm::drawlayout(forms::Surface& s, Placement at, double f) {
    const Module1& m = module1();
    const double dw = m.drawwidth;
    const double dh = m.drawheight;
    const Module1::LabelGrid g = m.labelgrid();
    const Module1::Bands& b = g.bands;

    // Frame: the building's walls.
    s.pset(100, 1);
    s.linerel(dw, 0);
    s.linerel(0, f * dh);
    s.linerel(-dw, 0);
    s.linerel(0, -f * dh);

    // Legend: six departments to a row.
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i) {
        const int row = (i - 1) / 6 + 1;
        const int first = row == 1 ? 1 : row == 2 ? 7 : 13;
        s.printat(at.legendleft + 96 * (i - first), 152 + 8 * row,
                  numtext::printed(i) + " " + m.deptname[std::size_t(i)]);
    }

    // Band separators, unless two bands are empty and the frame says it all.
    const double a1 = b.area[1], a2 = b.area[2], a3 = b.area[3];
    if (a1 + a2 != 0 && a1 + a3 != 0 && a2 + a3 != 0) {
        if (a1 != 0) {
            s.pset(100, f * b.bottom[1]);
            s.linerel(dw, 0);
        }
        if (a2 != 0 && a3 != 0) {
            s.pset(100, f * b.bottom[2]);
            s.linerel(dw, 0);
        }
    }

    // Department numbers and right edges, band by band as the evaluation
    // placed them. The top band's edges start at the frame's top, y 1.
    const double edgetop[4] = {0, 1, f * b.top[2], f * b.top[3]};
    const double edgelength[4] = {0, b.bottom[1] - 1, g.q[2] - 1, g.q[3]};
    for (int band = 1; band <= 3; ++band) {
        if (b.area[band] == 0) continue;
        for (int k = 3 * band - 2; k <= 3 * band; ++k) {
            for (const int d : {m.zoneleft[std::size_t(k)], m.zoneright[std::size_t(k)]}) {
                if (!placed(m, d)) continue;
                const double column = m.labelcolumn(d);
                s.printat(8 * column - 8 + at.numbershift, f * (8 * g.row[band] - 8),
                          numtext::str(d));
                if (m.rightedgedrawn(d)) {
                    const double x = m.deptx2[std::size_t(d)];
                    s.line(x, edgetop[band], x, edgetop[band] + f * edgelength[band]);
                }
            }
        }
    }
}

void display1frm::setentry(bool entering) {
    for (forms::CommandButton* w : {&analysisbut, &prntbut, &Savebut, &exchangebut})
        w->setvisible(!entering);
    makechangebut.setvisible(entering);
    nnx1txt.setvisible(entering);
    nnx2txt.setvisible(entering);
    makechangelbl.setvisible(entering);
    makechangelbl2.setvisible(entering);
}

void display1frm::showactions(bool shown) {
    for (forms::CommandButton* w :
         {&analysisbut, &exchangebut, &prntbut, &Savebut, &termbut, &okbut})
        w->setvisible(shown);
    makechangebut.setvisible(false);
}

void display1frm::exchangebut_Click() {
    setentry(true);
    nnx1txt.setfocus();
}

void display1frm::makechangebut_Click() {
    Module1& m = module1();
    const double a = numtext::val(nnx1txt.text());
    const double b = numtext::val(nnx2txt.text());
    const int n = problemsize(m.ndept);
    if (!goodnumber(a, n) || !goodnumber(b, n)) {
        m.msgbox("Bad department data!");
        nnx1txt.setText("");
        nnx2txt.setText("");
        return;
    }
    m.exchangedepts(int(a), int(b));
    m.adjscore = 0;
    setentry(false);

    // Redrawn with the plain positions, whichever program runs.
    layoutbox.cls();
    layoutbox.scale(0, 0, 640, 200);
    layoutbox.fontname("system");
    layoutbox.printat(8, 8, "LAYOUT" + numtext::str(m.curlayout));
    m.evallayout();
    if (m.batchmode != 0) return;
    drawlayout(layoutbox, plain, 1);
    layoutbox.printat(8, 24, "SCORE " + numtext::format(normalisedscore(m), "0.00"));
    layoutbox.printat(8, 40, "L/W Ratio " + numtext::format(m.lwratio, "###.00"));
}

void display1frm::Savebut_Click() {
    Module1& m = module1();
    m.addsavedlayout();
    m.restorefixedlayout();
    m.msgbox("Layout saved to memory.  Remember to save the problem file under the main menu.");
    close();
}

void display1frm::termbut_Click() {
    Module1& m = module1();
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i)
        m.deptpos[std::size_t(i)] = 0;
    m.itermode = 0;
    m.adjscore = 0;
    for (int k = 1; k <= 9; ++k) {
        m.zoneright[std::size_t(k)] = 0;
        m.zoneleft[std::size_t(k)] = 0;
        m.zonearea[std::size_t(k)] = 0;
    }
    // The improvement walk ends on it.
    m.stopflag = 1;
    close();
}

void display1frm::okbut_Click() {
    close();
}

void display1frm::prnt2but_Click() {
    printform();
}

void display1frm::prntbut_Click() {
    Module1& m = module1();
    forms::Printer& p = forms::printer();
    p.scale(0, 0, 640, 200);
    p.fontname("system");
    const std::string header = m.itermode == 0
                                   ? "LAYOUT" + numtext::str(m.curlayout > 0 ? m.curlayout : 1)
                                   : "ITERATION " + numtext::str(m.itercount);
    p.printat(10, 20, header);
    // The shown layout's geometry again; its score is unchanged by it.
    m.evallayout();
    if (m.batchmode == 0) {
        drawlayout(p, plain, paperfactor);
        p.printat(10, 24, "SCORE " + numtext::format(normalisedscore(m), "##0.00"));
        if (m.itermode != 0)
            p.printat(10, 28, "BASE SCORE " + numtext::format(basescore(m), "##0.00"));
        p.printat(10, 32, "L/W Ratio " + numtext::format(m.lwratio, "###.00"));
    }
    p.enddoc();
}

void display1frm::analysisbut_Click() {
    {
        layoutanalysis1frm w(this);
        w.show_modal();
    }
    {
        layoutanalysis2frm w;
        w.show_modal();
    }
    {
        layoutanalysis3frm w;
        w.show_modal();
    }
    {
        layoutanalysis4frm w(this);
        w.show_modal();
    }
    // The last analysis window leaves the raw score at 0; the layout is still
    // the one shown, so evaluate it again for Save and Print to act on.
    module1().evallayout();
}

void display1frm::msorderdeptarea() {
    Module1& m = module1();
    m.sortdeptsbyarea();
    if (m.batchmode == 1) close();
}
