#include "problem/pairchart.h"

#include "model/numtext.h"

#include <algorithm>

namespace {

// Geometry in twips: the number and name columns, then one column per j = 2..18.
constexpr int numberwidth = 375;
constexpr int namewidth = 1500;
constexpr int namegap = 90;
constexpr int colwidth = 450;
constexpr int boxwidth = 405;
constexpr int rowpitch = 360;
constexpr int boxheight = 285;
constexpr int ncols = maxdept - 1;

// Leader lines shorten row by row with the row's span of boxes: 179 dots
// under the 17 boxes of row 1, 7 under the single box of row 17.
std::string leaderdots(int row) {
    const int dots = 179 - ((row - 1) * 172 + 8) / 16;
    return std::string(std::size_t(std::max(dots, 0)), '.');
}

} // namespace

pairchart::pairchart(forms::Form* form, Boxes kind, int leaders, int left, int top)
    : Label2(form, "Label2", leaders), itxt(form, "itxt", maxdept),
      nmdpttxt(form, "nmdpttxt", maxdept), jtxt(form, "jtxt", ncols),
      reltxt(form, "reltxt", npairboxes), left_(left), top_(top) {
    const int boxleft = left + numberwidth + namegap + namewidth + namegap;
    for (int j = 2; j <= maxdept; ++j) {
        forms::TextBox& col = jtxt[j - 2];
        forms::place(col, boxleft + (j - 2) * colwidth, top, boxwidth, boxheight);
        col.setReadOnly(true);
        col.setalignment(forms::TextBox::Align::center);
    }
    for (int i = 1; i <= maxdept; ++i) {
        const int y = top + i * rowpitch;
        forms::place(itxt[i - 1], left, y, numberwidth, boxheight);
        itxt[i - 1].setReadOnly(true);
        itxt[i - 1].setalignment(forms::TextBox::Align::center);
        forms::place(nmdpttxt[i - 1], left + numberwidth + namegap, y, namewidth, boxheight);
        nmdpttxt[i - 1].setReadOnly(true);
        if (i <= leaders) {
            // Under row i's boxes, from its first column (j = i + 1) to the last.
            const int first = std::min(i - 1, ncols);
            forms::place(Label2[i - 1], boxleft + first * colwidth, y, (ncols - first) * colwidth,
                         rowpitch);
            Label2[i - 1].setAlignment(Qt::AlignLeft | Qt::AlignBottom);
            Label2[i - 1].setCaption(leaderdots(i));
        }
        for (int j = i + 1; j <= maxdept; ++j) {
            forms::TextBox& box = pair(i, j);
            forms::place(box, boxleft + (j - 2) * colwidth, y, boxwidth, boxheight);
            box.setReadOnly(kind == Boxes::display);
        }
    }
}

void pairchart::hideall() {
    for (int k = 0; k < reltxt.count(); ++k)
        reltxt[k].setvisible(false);
    for (int k = 0; k < Label2.count(); ++k)
        Label2[k].setvisible(false);
    for (int k = 0; k < maxdept; ++k) {
        itxt[k].setvisible(false);
        nmdpttxt[k].setvisible(false);
    }
    for (int k = 0; k < jtxt.count(); ++k)
        jtxt[k].setvisible(false);
}

void pairchart::showheadings(int n, const Table<std::string, 19>& names) {
    n = std::clamp(n, 0, maxdept);
    for (int j = 2; j <= n; ++j) {
        jtxt[j - 2].setText(numtext::format(j, "0"));
        jtxt[j - 2].setvisible(true);
    }
    for (int k = 0; k <= n - 2 && k < Label2.count(); ++k)
        Label2[k].setvisible(true);
    for (int i = 1; i <= n; ++i) {
        itxt[i - 1].setText(numtext::format(i, "0"));
        itxt[i - 1].setvisible(true);
        nmdpttxt[i - 1].setText(names[std::size_t(i)]);
        nmdpttxt[i - 1].setvisible(true);
    }
}

int pairchart::right() const {
    return left_ + numberwidth + namegap + namewidth + namegap + ncols * colwidth;
}

int pairchart::bottom() const {
    return top_ + (maxdept + 1) * rowpitch;
}

static_assert(pairchart::pairbox(1, 2) == 0 && pairchart::pairbox(1, 18) == 16 &&
              pairchart::pairbox(2, 3) == 17 && pairchart::pairbox(17, 18) == 152);
