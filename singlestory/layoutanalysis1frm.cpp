#include "singlestory/layoutanalysis1frm.h"

#include "model/module1.h"
#include "model/numtext.h"
#include "model/tableindex.h"
#include "singlestory/display1frm.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::string_view number = "######.00";

} // namespace

layoutanalysis1frm::layoutanalysis1frm(display1frm* display)
    : Form("layoutanalysis1frm", "Layout Analysis 1"), display_(display) {
    // Twenty rows of 285 twips show whole, without scrolling.
    forms::place(layoutgrd, 240, 240, 9900, 5760);
    forms::place(okbut, 3480, 6240, 1215, 495);
    forms::place(prntbut, 5160, 6240, 1215, 495);
    setClientSize(10380, 6975);
    okbut.onclick = [this] { okbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
}

void layoutanalysis1frm::cell(int row, int col, std::string_view text) {
    layoutgrd.setrow(row);
    layoutgrd.setcol(col);
    layoutgrd.setText(text);
}

void layoutanalysis1frm::Form_Load() {
    if (display_ != nullptr) display_->showactions(false);
    const Module1& m = module1();
    const int n = problemsize(m.ndept);
    // storeymany's table measures the length on the drawn rectangle and has
    // neither the Area column nor the totals.
    const bool many = m.program == Program::storeymany;

    layoutgrd.setrows(many ? 19 : 20);
    layoutgrd.setcols(many ? 7 : 8);
    std::vector<std::string> headings = {"Number", "Dept.", "X Cent.", "Y Cent.",
                                         "Length", "Width", "Area",    "L/W Ratio"};
    if (many) headings.erase(headings.begin() + 6);
    for (std::size_t c = 0; c < headings.size(); ++c) {
        layoutgrd.setcolwidth(int(c), c == 0 ? 960 : c == 1 ? 1680 : 1200);
        cell(0, int(c), headings[c]);
    }

    double total = 0;
    for (int i = 1; i <= n; ++i) {
        const std::size_t d = std::size_t(i);
        const double area = m.deptarea[d];
        const double width = m.bandheight[d];
        const double length =
            many ? m.layoutlength * (m.deptx2[d] - m.deptx1[d]) / double(m.drawwidth)
                 : area / width;
        // A department the layout leaves out has nothing to measure.
        const bool placed = m.deptplaced[d] != 0;
        const auto measure = [placed](double v, std::string_view format) {
            return placed ? numtext::format(v, format) : std::string();
        };
        std::vector<std::string> row = {numtext::str(i),
                                        m.deptname[d],
                                        measure(m.centroidx[d], number),
                                        measure(m.centroidy[d], number),
                                        measure(length, number),
                                        measure(width, number)};
        if (!many) row.push_back(numtext::format(area, number));
        row.push_back(measure(length / width, "#####0.00"));
        for (std::size_t c = 0; c < row.size(); ++c)
            cell(i, int(c), row[c]);
        total = total + area;
    }
    if (many) return;
    cell(19, 0, "Totals");
    cell(19, 6, numtext::format(total, number));
}

void layoutanalysis1frm::okbut_Click() {
    close();
}

void layoutanalysis1frm::prntbut_Click() {
    printform();
}
