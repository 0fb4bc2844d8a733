#include "problem/pairchart.h"

#include "model/numtext.h"

#include <QFontMetricsF>

#include <algorithm>

namespace {

// Geometry in twips: the number and name columns, then one column per j = 2..18.
constexpr int numberwidth = 375;
constexpr int namewidth = 1500;
constexpr int namegap = 90;
constexpr int colwidth = 450;
// A pair box holds up to four digits (a distance of 1234): it takes all but a
// pixel of its column, in a font a pixel smaller, without the inner margin
// beyond its frame. The column numbers above take the same width.
constexpr int boxwidth = 435;
constexpr int rowpitch = 360;
constexpr int boxheight = 285;
constexpr int ncols = maxdept - 1;

// A leader line is as many dots as its label holds in the label's font, so
// it spans the row's boxes whatever the font.
std::string leaderdots(const QLabel& label) {
    const QFontMetricsF fm(label.font());
    const double width = label.contentsRect().width();
    auto dots = std::size_t(std::max(0.0, width / fm.horizontalAdvance(QLatin1Char('.'))));
    while (dots > 0 && fm.horizontalAdvance(QString(qsizetype(dots), QLatin1Char('.'))) > width)
        --dots;
    return std::string(dots, '.');
}

} // namespace

pairchart::pairchart(forms::Form* form, Boxes kind, int leaders, int left, int top)
    : Label2(form, "Label2", leaders), itxt(form, "itxt", maxdept),
      nmdpttxt(form, "nmdpttxt", maxdept), jtxt(form, "jtxt", ncols),
      reltxt(form, "reltxt", npairboxes), left_(left), top_(top) {
    const int boxleft = left + numberwidth + namegap + namewidth + namegap;
    QFont pairfont = reltxt[0].font();
    pairfont.setPixelSize(pairfont.pixelSize() - 1);
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
            Label2[i - 1].setCaption(leaderdots(Label2[i - 1]));
        }
        for (int j = i + 1; j <= maxdept; ++j) {
            forms::TextBox& box = pair(i, j);
            forms::place(box, boxleft + (j - 2) * colwidth, y, boxwidth, boxheight);
            box.setFont(pairfont);
            box.setTextMargins(-1, 0, -1, 0);
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

void pairchart::remember(bool stored) {
    stored_ = stored;
    for (int k = 0; k < npairboxes; ++k)
        shown_[std::size_t(k)] = reltxt[k].text();
}

bool pairchart::changed(int i, int j) const {
    const int k = pairbox(i, j);
    return !stored_ || reltxt[k].text() != shown_[std::size_t(k)];
}

bool pairchart::anychanged(int n) const {
    for (int i = 1; i <= n - 1; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (changed(i, j)) return true;
    return false;
}

int pairchart::right() const {
    return left_ + numberwidth + namegap + namewidth + namegap + ncols * colwidth;
}

int pairchart::bottom() const {
    return top_ + (maxdept + 1) * rowpitch;
}

static_assert(pairchart::pairbox(1, 2) == 0 && pairchart::pairbox(1, 18) == 16 &&
              pairchart::pairbox(2, 3) == 17 && pairchart::pairbox(17, 18) == 152);
