#include "problem/t53336frm.h"
#include "model/tableindex.h"

#include "model/numtext.h"
#include "problem/addmatrixfrm.h"

#include <algorithm>
#include <string>

t53336frm::t53336frm() : Form("t53336frm", "Display Layout") {
    setClientSize(11808, 8460);
    forms::place(layoutbox, 360, 240, 11055, 7095);
    forms::place(addmatrixbut, 360, 7560, 2055, 495);
    forms::place(prntbut, 8640, 7560, 1215, 495);
    forms::place(okbut, 9960, 7560, 1335, 495);
    addmatrixbut.onclick = [this] { addmatrixbut_Click(); };
    prntbut.onclick = [this] { prntbut_Click(); };
    okbut.onclick = [this] { okbut_Click(); };
}

void t53336frm::Form_Load() {
    Module1& m = module1();
    m.evallayout();
    m.flowscale = Module1::flowdivisor(m.maxflow);
    drawmatrix(layoutbox, m.flowmatrix);
}

void t53336frm::drawmatrix(forms::Surface& s, const Table2<Cell, 19, 19>& matrix) {
    const Module1& m = module1();
    const int n = problemsize(m.ndept);
    s.fontname("system");
    s.scale(0, 0, 640, 200);

    // Heads of two digits start 4 to the left so that they end over the column.
    for (int j = 1; j <= n; ++j)
        s.printat(j < 10 ? 30 + 24 * (j - 1) : 26 + 24 * (j - 1), 1, numtext::printed(j));
    for (int i = 1; i <= n; ++i)
        s.printat(1, 8 * i + 1, numtext::printed(i));

    // The upper triangle with the diagonal. A value of 0 is written as blanks
    // of the cell's width, a negative one not at all.
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j) {
            s.pset(28 + 24 * (j - 1), 8 * i);
            const double v = matrix[std::size_t(i)][std::size_t(j)] / m.flowscale;
            if (v > 0)
                s.print(numtext::format(v, "#0"));
            else if (v == 0)
                s.print(j <= 9 ? "   " : "    ");
        }
    }

    // The frame's width follows the widths of the printed columns, not the
    // 24-unit grid, so its right edge and the last column need not meet.
    const int a = std::min(n, 9);
    const int b = std::max(n - 9, 0);
    const double w = n < 10 ? 23 * a + 33 * b + 6 : 23 * a + 33 * b - 18;
    const double h = 8 * n;
    s.line(25, 7, 25 + w, 7);
    s.line(25, 7, 25, 7 + h);
    s.linerel(w, 0);
    s.linerel(0, -h);
    for (int i = 1; i <= n - 1; ++i)
        s.line(25, 8 * i + 7, 25 + w, 8 * i + 7);
    for (int j = 1; j <= n - 1; ++j)
        s.line(25 + 24 * j, 7, 25 + 24 * j, 7 + h);

    // Departments six to a row under the chart.
    for (int i = 1; i <= n; ++i) {
        const int r = 1 + (i - 1) / 6;
        s.printat(1 + 96 * ((i - 1) - 6 * (r - 1)), 152 + 8 * r,
                  numtext::printed(i) + " " + m.deptname[std::size_t(i)]);
    }
    s.printat(8, 190, "UNIT LOADS / " + numtext::format(m.flowscale, "0.00"));
}

void t53336frm::addmatrixbut_Click() {
    close();
    addmatrixfrm additions;
    additions.show_modal();
}

void t53336frm::prntbut_Click() {
    printform();
}

void t53336frm::okbut_Click() {
    close();
}
