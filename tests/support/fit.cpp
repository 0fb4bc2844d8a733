#include "tests/support/fit.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTableWidget>

#include <cmath>
#include <sstream>

namespace {

// Half a pixel of rounding is not a misfit.
constexpr double slack = 0.5;

std::string name(const QWidget& w) {
    return w.objectName().toStdString();
}

struct Collector {
    const QWidget& window;
    std::vector<Misfit> out;
    void check(const std::string& control, const QString& text, double needed, double available,
               const char* what = "wide") {
        // An empty text has nothing to fit.
        if (!text.isEmpty() && needed > available + slack)
            out.push_back({name(window), control, text.toStdString(), needed, available, what});
    }
    // A caption's width and height against its control's.
    void fits(const QWidget& w, const QString& text, const QSizeF& needed, const QSizeF& room) {
        check(name(w), text, needed.width(), room.width());
        check(name(w), text, needed.height(), room.height(), "high");
    }
};

// A word-wrapped label shows as many lines as its height holds; a label
// that does not wrap shows one line.
void label(Collector& c, const QLabel& l) {
    const QRectF area = l.contentsRect();
    const int flags = int(l.alignment()) | (l.wordWrap() ? Qt::TextWordWrap : 0);
    const QFontMetricsF fm(l.font());
    c.fits(l, l.text(), fm.boundingRect(QRectF(0, 0, area.width(), 1e6), flags, l.text()).size(),
           area.size());
}

void button(Collector& c, const QPushButton& b) {
    QStyleOptionButton opt;
    opt.initFrom(&b);
    opt.text = b.text();
    const QFontMetricsF fm(b.font());
    c.fits(b, b.text(), {fm.horizontalAdvance(b.text()), fm.height()},
           b.style()->subElementRect(QStyle::SE_PushButtonContents, &opt, &b).size());
}

// The text area of a line edit: its contents less the edit's own margin of
// two pixels a side.
void textbox(Collector& c, const QLineEdit& e) {
    QStyleOptionFrame opt;
    opt.initFrom(&e);
    opt.lineWidth =
        e.hasFrame() ? e.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, &e) : 0;
    const QRect contents = e.style()->subElementRect(QStyle::SE_LineEditContents, &opt, &e);
    const QMargins margins = e.textMargins();
    constexpr int editmargin = 2;
    const double available = contents.width() - margins.left() - margins.right() - 2 * editmargin;
    c.check(name(e), e.text(), QFontMetricsF(e.font()).horizontalAdvance(e.text()), available);
}

// An item view draws a cell's text from the style's text rectangle less a
// margin, clipped at the cell's edge (less the grid line of a table).
double celltextwidth(const QAbstractItemView& v, const QRect& cell, const QString& text,
                     const QSize& icon, int gridline) {
    QStyleOptionViewItem opt;
    opt.initFrom(&v);
    opt.rect = cell;
    opt.text = text;
    opt.font = v.font();
    opt.features = QStyleOptionViewItem::HasDisplay;
    if (icon.isValid()) {
        opt.features |= QStyleOptionViewItem::HasDecoration;
        opt.decorationSize = icon;
    }
    opt.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    const QRect r = v.style()->subElementRect(QStyle::SE_ItemViewItemText, &opt, &v);
    const int margin = v.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &v) + 1;
    return cell.right() + 1 - gridline - (r.left() + margin);
}

void table(Collector& c, const QTableWidget& t) {
    for (int r = 0; r < t.rowCount(); ++r) {
        for (int col = 0; col < t.columnCount(); ++col) {
            const QTableWidgetItem* it = t.item(r, col);
            if (!it || t.isColumnHidden(col)) continue;
            const QVariant own = it->data(Qt::FontRole);
            const QFontMetricsF fm(own.isValid() ? own.value<QFont>() : t.font());
            const QRect cell(0, 0, t.columnWidth(col), t.rowHeight(r));
            c.check(name(t) + " row " + std::to_string(r) + " column " + std::to_string(col),
                    it->text(), fm.horizontalAdvance(it->text()),
                    celltextwidth(t, cell, it->text(), {}, t.showGrid() ? 1 : 0));
        }
    }
}

// The list's viewport as it is once shown (a window that was never shown has
// not laid its lists out yet): the list less its frame and, when the items
// overflow it, the vertical scroll bar.
int viewportwidth(const QListWidget& l) {
    const QSize inner = l.maximumViewportSize();
    const int rows = l.count() > 0 ? l.count() * l.sizeHintForRow(0) : 0;
    const int bar =
        rows > inner.height() ? l.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &l) : 0;
    return inner.width() - bar;
}

void list(Collector& c, const QListWidget& l) {
    const QFontMetricsF fm(l.font());
    const QRect cell(0, 0, viewportwidth(l), int(fm.height()));
    const int side = l.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &l);
    const QSize icon = l.iconSize().isValid() ? l.iconSize() : QSize(side, side);
    for (int i = 0; i < l.count(); ++i) {
        const QListWidgetItem* it = l.item(i);
        c.check(name(l), it->text(), fm.horizontalAdvance(it->text()),
                celltextwidth(l, cell, it->text(), it->icon().isNull() ? QSize() : icon, 0));
    }
}

bool overlap(const QRectF& a, const QRectF& b) {
    const QRectF common = a.intersected(b);
    return common.width() > slack && common.height() > slack;
}

} // namespace

std::string describe(const std::vector<Misfit>& misfits) {
    std::ostringstream s;
    for (const Misfit& m : misfits)
        s << m.window << ": " << m.control << " \"" << m.text << "\" " << m.what << ": needs "
          << std::lround(m.needed) << " px, has " << std::lround(m.available) << " px\n";
    return s.str();
}

std::vector<Misfit> controlmisfits(const QWidget& window) {
    Collector c{window, {}};
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->isHidden() || !w->isVisibleTo(&window)) continue;
        if (const auto* l = qobject_cast<const QLabel*>(w))
            label(c, *l);
        else if (const auto* b = qobject_cast<const QPushButton*>(w))
            button(c, *b);
        else if (const auto* e = qobject_cast<const QLineEdit*>(w))
            textbox(c, *e);
        else if (const auto* t = qobject_cast<const QTableWidget*>(w))
            table(c, *t);
        else if (const auto* li = qobject_cast<const QListWidget*>(w))
            list(c, *li);
    }
    return c.out;
}

std::vector<Misfit> drawingmisfits(const std::string& window, const std::string& control,
                                   const std::vector<forms::DrawOp>& drawing, const QRectF& target,
                                   forms::Surface::Medium medium, const QRectF& building) {
    std::vector<Misfit> out;
    const auto texts = forms::Surface::placedtexts(drawing, target, medium);
    // One cell of the 640 x 200 scale around the building.
    const double cx = target.width() * 8 / 640, cy = target.height() * 8 / 200;
    const QRectF labels = building.isNull() ? QRectF() : building.adjusted(-cx, -cy, cx, cy);
    const auto islabel = [&](std::size_t i) { return labels.contains(texts[i].line.topLeft()); };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QRectF& r = texts[i].ink;
        if (r.isNull()) continue;
        const auto misfit = [&](double needed, double available, std::string what) {
            out.push_back({window, control, texts[i].text, needed, available, std::move(what)});
        };
        if (r.right() > target.right() + slack)
            misfit(r.width(), target.right() - r.left(), "leaves the box");
        if (r.bottom() > target.bottom() + slack)
            misfit(r.height(), target.bottom() - r.top(), "leaves the box at the bottom");
        if (islabel(i)) continue;
        if (!building.isNull() && overlap(r, building) && !building.contains(r))
            misfit(r.width(), building.left() - r.left(), "crosses the building's wall");
        for (std::size_t j = 0; j < texts.size(); ++j) {
            if (j == i || texts[j].ink.isNull() || (j < i && !islabel(j))) continue;
            if (overlap(r, texts[j].ink))
                misfit(r.width(), texts[j].ink.left() - r.left(),
                       "overlaps \"" + texts[j].text + "\"");
        }
    }
    return out;
}
