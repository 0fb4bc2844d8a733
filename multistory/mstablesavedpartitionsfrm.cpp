#include "multistory/mstablesavedpartitionsfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/scoretolerance.h"
#include "model/tableindex.h"
#include "multistory/msprintpartitionfrm.h"

#include <algorithm>
#include <cmath>

mstablesavedpartitionsfrm::mstablesavedpartitionsfrm()
    : Form("mstablesavedpartitionsfrm", "Table of Saved Partitions") {
    forms::place(partgrd, 240, 240, 6240, 4200);
    forms::place(delbut, 240, 4680, 1935, 495);
    forms::place(backbut, 2400, 4680, 2415, 495);
    forms::place(dellbl, 240, 4740, 2655, 375);
    forms::place(deltxt, 3000, 4680, 615, 375);
    forms::place(del2but, 3840, 4680, 1215, 495);
    forms::place(canbut, 5160, 4680, 1215, 495);
    setClientSize(6720, 5400);
    deletemode(false);
    delbut.onclick = [this] { delbut_Click(); };
    canbut.onclick = [this] { canbut_Click(); };
    del2but.onclick = [this] { del2but_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

namespace {

int savedcount(const Module1& m) {
    return int(std::clamp(m.nsavedpart.whole(), 0L, long(maxsavedpart)));
}

int bounded(const Cell& count, int max) {
    return int(std::clamp(count.whole(), 0L, long(max)));
}

// Entry q takes the place of entry q + 1, field by field; the stories and
// members beyond the copied counts keep what they held.
void moveup(Module1& m, int q) {
    const int from = q + 1;
    m.savedpartspare[q] = m.savedpartspare[from];
    m.savedimproved[q] = m.savedimproved[from];
    m.savednstories[q] = m.savednstories[from];
    m.saveddesiredadf[q] = m.saveddesiredadf[from];
    m.savedactualadf[q] = m.savedactualadf[from];
    m.savedpartspare2[q] = m.savedpartspare2[from];
    m.savedpartspare3[q] = m.savedpartspare3[from];
    const int stories = bounded(m.savednstories[q], maxstories);
    for (int s = 1; s <= stories; ++s) {
        m.savedstorycount[s][q] = m.savedstorycount[s][from];
        m.savedstoryarea[s][q] = m.savedstoryarea[s][from];
        const int count = bounded(m.savedstorycount[s][q], maxdept);
        for (int k = 1; k <= count; ++k)
            m.savedstorymembers[s][k][q] = m.savedstorymembers[s][k][from];
    }
    const int n = problemsize(m.ndept);
    for (int i = 1; i <= n; ++i)
        m.savedstoryofdept[i][q] = m.savedstoryofdept[i][from];
    m.savedpartscore[q] = m.savedpartscore[from];
}

} // namespace

void mstablesavedpartitionsfrm::setcell(int row, int col, const std::string& text) {
    partgrd.setrow(row);
    partgrd.setcol(col);
    partgrd.setText(text);
}

void mstablesavedpartitionsfrm::Form_Load() {
    partgrd.setcols(5);
    partgrd.setrows(maxsavedpart + 1);
    const int widths[] = {1200, 1400, 1000, 1000, 1200};
    for (int c = 0; c < 5; ++c)
        partgrd.setcolwidth(c, widths[c]);
    const char* headings[] = {"LAYOUT NO.", "STORIES/SITES", "ADF. DES.", "ADF. ACT.", "SCORE"};
    for (int c = 0; c < 5; ++c)
        setcell(0, c, headings[c]);
    // The table shows the partitions as the current areas and chart score them.
    module1().refreshsavedpartitions();
    filltable();
}

void mstablesavedpartitionsfrm::filltable() {
    const Module1& m = module1();
    const int n = savedcount(m);
    for (int r = 1; r <= n; ++r) {
        setcell(r, 0, numtext::format(r, "0"));
        setcell(r, 1, numtext::format(m.savednstories[r], "0"));
        setcell(r, 2, msprintpartitionfrm::adftext(m.saveddesiredadf[r]));
        setcell(r, 3, msprintpartitionfrm::adftext(m.savedactualadf[r]));
    }
    // Equal scores, rounding aside, share a rank; the ranks after them are skipped.
    for (int r = 1; r <= n; ++r) {
        int partrank = 0;
        for (int q = 1; q <= n; ++q)
            if (scoreabove(m.savedpartscore[q].num(), m.savedpartscore[r].num())) partrank += 1;
        setcell(r, 4,
                numtext::format(m.savedpartscore[r] / m.maxadjscore, "0.00") + "-" +
                    numtext::format(partrank + 1, "0"));
    }
}

void mstablesavedpartitionsfrm::deletemode(bool on) {
    backbut.setvisible(!on);
    delbut.setvisible(!on);
    del2but.setvisible(on);
    canbut.setvisible(on);
    dellbl.setvisible(on);
    deltxt.setvisible(on);
}

void mstablesavedpartitionsfrm::delbut_Click() {
    if (savedcount(module1()) == 0) {
        module1().msgbox("No partitions to delete");
        return;
    }
    deletemode(true);
}

void mstablesavedpartitionsfrm::canbut_Click() {
    deletemode(false);
}

void mstablesavedpartitionsfrm::del2but_Click() {
    Module1& m = module1();
    const double d = numtext::val(deltxt.text());
    const int n = savedcount(m);
    if (d == std::floor(d) && d >= 1 && d <= n) {
        m.nsavedpart = n - 1;
        for (int q = int(d); q <= n - 1; ++q)
            moveup(m, q);
        deletemode(false);
        partgrd.setredraw(false);
        filltable();
        for (int c = 0; c < 5; ++c)
            setcell(n, c, "");
        partgrd.setredraw(true);
    } else {
        m.msgbox("Bad partition number");
    }
    deltxt.setText("");
}

void mstablesavedpartitionsfrm::backbut_Click() {
    close();
}
