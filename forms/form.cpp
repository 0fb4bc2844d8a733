#include "forms/form.h"

#include "forms/driver.h"
#include "forms/printer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>
#include <limits>
#include <vector>

namespace forms {

Form::Form(std::string name, std::string_view caption) : name_(std::move(name)) {
    setObjectName(QString::fromStdString(name_));
    setCaption(caption);
    setModal(true);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

Form::~Form() = default;

std::string Form::caption() const {
    return windowTitle().toStdString();
}

void Form::setCaption(std::string_view caption) {
    setWindowTitle(QString::fromUtf8(caption.data(), qsizetype(caption.size())));
}

void Form::setClientSize(int widthtwips, int heighttwips) {
    clientw_ = px(widthtwips);
    clienth_ = px(heighttwips);
    setFixedSize(clientw_, clienth_);
}

namespace {

// Closes the window if an exception leaves show_modal(), so that a window
// never stays marked open after its run.
struct RunGuard {
    Form& form;
    ~RunGuard() {
        if (form.isopen()) form.close();
    }
};

// With no window manager a window would appear wherever the last one was:
// every window is placed in the middle of the screen.
void centre(QWidget& w) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        w.move(area.center() - QPoint(w.width() / 2, w.height() / 2));
    }
}

using Controls = std::vector<QWidget*>;

bool leftof(const QWidget* a, const QWidget* b) {
    return a->x() < b->x();
}

bool above(const QWidget* a, const QWidget* b) {
    return a->y() < b->y();
}

bool overlapinheight(const QWidget* a, const QWidget* b) {
    return a->y() < b->y() + b->height() && b->y() < a->y() + a->height();
}

// Every control that can take the focus, hidden ones too: Tab passes over
// them while hidden and finds them in their place once shown.
Controls focusable(const QWidget& form) {
    Controls out;
    for (QWidget* w : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isWindow() && w->focusPolicy() != Qt::NoFocus) out.push_back(w);
    return out;
}

// The columns of controls, left to right, split where a gap runs from top to
// bottom with no control across it.
std::vector<Controls> columns(Controls controls) {
    std::stable_sort(controls.begin(), controls.end(), leftof);
    std::vector<Controls> out;
    int right = 0;
    for (QWidget* w : controls) {
        if (out.empty() || w->x() >= right) out.emplace_back();
        out.back().push_back(w);
        right = std::max(right, w->x() + w->width());
    }
    return out;
}

// Whether some control of a lies beside two controls of b that are not on one
// row, that is, that do not overlap in height.
bool spansrows(const Controls& a, const Controls& b) {
    return std::any_of(a.begin(), a.end(), [&b](const QWidget* w) {
        int lowesttop = std::numeric_limits<int>::min();
        int highestbottom = std::numeric_limits<int>::max();
        for (const QWidget* v : b)
            if (overlapinheight(w, v)) {
                lowesttop = std::max(lowesttop, v->y());
                highestbottom = std::min(highestbottom, v->y() + v->height());
            }
        return highestbottom <= lowesttop;
    });
}

bool lineup(const Controls& a, const Controls& b) {
    return !spansrows(a, b) && !spansrows(b, a);
}

// A column that lines up row by row with the one to its left (the name and
// area columns of a table) is read together with it, row by row. One that does
// not (buttons beside a table, a list beside a stack of buttons) starts a
// block read after the blocks to its left, so that Tab finishes a table
// before it goes on.
std::vector<Controls> blocks(const Controls& controls) {
    const std::vector<Controls> cols = columns(controls);
    std::vector<Controls> out;
    for (std::size_t i = 0; i < cols.size(); ++i) {
        if (i == 0 || !lineup(cols[i - 1], cols[i])) out.emplace_back();
        out.back().insert(out.back().end(), cols[i].begin(), cols[i].end());
    }
    return out;
}

// A block top to bottom, each row left to right. A row is the topmost control
// left and every control whose top lies less than half its height below that
// one's top: controls meant to stand on one row often differ by a few pixels,
// while the next row starts at least a height further down.
Controls readrows(Controls block) {
    std::stable_sort(block.begin(), block.end(), above);
    for (auto row = block.begin(); row != block.end();) {
        const int below = (*row)->y() + (*row)->height() / 2;
        const auto end =
            std::find_if(row, block.end(), [below](const QWidget* w) { return w->y() >= below; });
        std::stable_sort(row, end, leftof);
        row = end;
    }
    return block;
}

} // namespace

void Form::chaintabs() {
    Controls order;
    for (const Controls& block : blocks(focusable(*this))) {
        const Controls rows = readrows(block);
        order.insert(order.end(), rows.begin(), rows.end());
    }
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form::show_modal() {
    open_ = true;
    RunGuard guard{*this};
    Form_Load();
    chaintabs();
    if (Driver* driver = Driver::current()) {
        driver->runmodal(*this);
    } else if (open_) {
        centre(*this);
        exec();
    }
    open_ = false;
}

void Form::close() {
    done(QDialog::Rejected);
}

void Form::closeEvent(QCloseEvent* e) {
    // A close event on a window that was never shown does not reach done().
    open_ = false;
    QDialog::closeEvent(e);
}

void Form::done(int r) {
    open_ = false;
    QDialog::done(r);
}

void Form::setVisible(bool visible) {
    if (!visible) open_ = false;
    QDialog::setVisible(visible);
}

void Form::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        e->accept();
        return;
    }
    QDialog::keyPressEvent(e);
}

void Form::printform() {
    printimage(grab().toImage(), name_);
}

void Form::column(std::initializer_list<QWidget*> widgets, int left, int top, int width,
                  int rowheight, int gap) {
    int y = top;
    for (QWidget* w : widgets) {
        w->setGeometry(px(left), px(y), px(width), px(rowheight));
        y += rowheight + gap;
    }
    fit();
}

void Form::fit() {
    constexpr int margin = 240 / twipsperpixel;
    int right = 0, bottom = 0;
    for (const QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (w->isWindow()) continue;
        right = std::max(right, w->geometry().right() + 1);
        bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    clientw_ = std::max(clientw_, right + margin);
    clienth_ = std::max(clienth_, bottom + margin);
    setFixedSize(clientw_, clienth_);
}

} // namespace forms
