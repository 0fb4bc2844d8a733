#include "forms/form.h"

#include "forms/driver.h"
#include "forms/printer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

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

} // namespace

void Form::show_modal() {
    open_ = true;
    RunGuard guard{*this};
    Form_Load();
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
