#include "singlestory/tablesavedlayoutsfrm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "singlestory/deletesavedlayoutfrm.h"

#include <string>

namespace {

constexpr int columnwidths[4] = {800, 1000, 2200, 1200};

// The table's rows: the saved layouts, at most 20.
int savedcount(const Module1& m) {
    return boundedcount(m.nsavedlayouts, maxsavedlayouts);
}

// A score, then its rank: the layouts strictly better plus 1, with the sign place.
std::string ranked(double score, std::string_view format, int better) {
    return numtext::format(score, format) + " - " + numtext::str(better + 1);
}

} // namespace

tablesavedlayoutsfrm::tablesavedlayoutsfrm() : Form("tablesavedlayoutsfrm", "Layout Table") {
    const bool one = module1().program == Program::storeyone;
    const int top = one ? 360 : 240;
    const int height = one ? 4332 : 4452;
    forms::place(layoutgrd, 240, top, 5520, height);
    // The headings fill their columns in a small font, as on the original screen.
    QFont small = layoutgrd.font();
    small.setPixelSize(10);
    layoutgrd.setFont(small);
    const int buttons = top + height + 240;
    forms::place(prntbut, 240, buttons, 1215, 495);
    forms::place(deletebut, 2400, buttons, 1215, 495);
    forms::place(backbut, 4545, buttons, 1215, 495);
    setClientSize(6000, buttons + 495 + 240);
    prntbut.onclick = [this] { prntbut_Click(); };
    deletebut.onclick = [this] { deletebut_Click(); };
    backbut.onclick = [this] { backbut_Click(); };
}

void tablesavedlayoutsfrm::setcell(int row, int col, const std::string& text) {
    layoutgrd.setrow(row);
    layoutgrd.setcol(col);
    layoutgrd.setText(text);
}

void tablesavedlayoutsfrm::Form_Load() {
    Module1& m = module1();
    layoutgrd.setcols(4);
    layoutgrd.setrows(maxsavedlayouts + 1);
    for (int c = 0; c < 4; ++c)
        layoutgrd.setcolwidth(c, columnwidths[c]);
    m.rescoresavedlayouts();
    setcell(0, 0, "LAYOUT");
    setcell(0, 1, "  ADJ. SCORE");
    setcell(0, 2, "      REL-DIST SCORES");
    setcell(0, 3, "PROD. MOVE.");
    m.ranksavedlayouts();
    fillrows("0");
}

void tablesavedlayoutsfrm::fillrows(std::string_view wholeformat) {
    const Module1& m = module1();
    const int n = savedcount(m);
    for (int q = 1; q <= n; ++q) {
        setcell(q, 0, numtext::format(q, "0"));
        setcell(q, 1, ranked(m.savedadjscore[q], "0.00", m.adjrank[q]));
        setcell(q, 2,
                ranked(m.savedreldist[q], "0.00", m.reldistrank[q]) + "     " +
                    ranked(m.savedrscore[q], wholeformat, m.rscorerank[q]));
        if (m.prodflag != 0)
            setcell(q, 3, ranked(m.savedprodmove[q], wholeformat, m.prodmoverank[q]));
    }
}

void tablesavedlayoutsfrm::blankrow(int r) {
    if (r < 1 || r >= layoutgrd.rows()) return;
    for (int c = 0; c < 4; ++c)
        setcell(r, c, "");
}

void tablesavedlayoutsfrm::prntbut_Click() {
    printform();
}

void tablesavedlayoutsfrm::deletebut_Click() {
    deletesavedlayoutfrm deletion(*this);
    deletion.show_modal();
}

void tablesavedlayoutsfrm::backbut_Click() {
    close();
}
