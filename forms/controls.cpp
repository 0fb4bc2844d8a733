#include "forms/controls.h"

#include "forms/driver.h"
#include "forms/form.h"
#include "forms/useraction.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace forms {

namespace {

QString qs(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

void name(QWidget& w, std::string_view n) {
    w.setObjectName(qs(n));
}

const QChar ellipsis(0x2026);

// The places where a text may be cut without splitting a character, from its
// start to its end.
std::vector<qsizetype> cuts(const QString& text) {
    std::vector<qsizetype> out{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
        out.push_back(at);
    return out;
}

// The longest text make(cut) that fits, the cuts giving ever longer texts;
// the first when none does.
template <typename Make, typename Fits>
QString longestfitting(const std::vector<qsizetype>& cuts, const Make& make, const Fits& fits) {
    std::size_t lo = 0, hi = cuts.size();
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        (fits(make(cuts[mid])) ? lo : hi) = mid;
    }
    return make(cuts[lo]);
}

} // namespace

void scriptfailure(std::string what) {
    if (Driver* driver = Driver::current()) driver->fail(std::move(what));
}

bool reachable(const QWidget& w, std::string_view action) {
    const bool shown = w.isVisibleTo(w.window()) && !w.isHidden();
    if (shown && w.isEnabled()) return true;
    scriptfailure(std::string(action) + " " + w.objectName().toStdString() + " in " +
                  w.window()->objectName().toStdString() + ", which is " +
                  (shown ? "disabled" : "hidden"));
    return false;
}

void place(QWidget& w, int left, int top, int width, int height) {
    w.setGeometry(px(left), px(top), px(width), px(height));
}

Label::Label(Form* form, std::string_view n, std::string_view caption) : QLabel(form) {
    name(*this, n);
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setCaption(caption);
}

// A carriage return on its own breaks a caption's line, as the captions of
// this system expect; Qt would draw it as a blank, so it is shown as a line
// separator and given back as a carriage return.
std::string Label::caption() const {
    if (path_) return path_->toStdString();
    QString t = text();
    t.replace(QChar::LineSeparator, QChar(u'\r'));
    return t.toStdString();
}

void Label::setCaption(std::string_view caption) {
    path_.reset();
    setToolTip({});
    QString t = qs(caption);
    for (qsizetype i = 0; i < t.size(); ++i)
        if (t[i] == u'\r' && (i + 1 == t.size() || t[i + 1] != u'\n')) t[i] = QChar::LineSeparator;
    setText(t);
}

void Label::setpath(std::string_view path) {
    path_ = qs(path);
    setToolTip(*path_);
    showpath();
}

void Label::showpath() {
    setText(shortened(*path_));
}

QString Label::shortened(const QString& path) const {
    if (fits(path)) return path;
    const auto fit = [this](const QString& t) { return fits(t); };
    const qsizetype folderend = std::max<qsizetype>(path.lastIndexOf(u'/'), 0);
    const QString name = path.mid(folderend);
    if (fits(ellipsis + name))
        return longestfitting(
            cuts(path.left(folderend)), [&](qsizetype c) { return path.left(c) + ellipsis + name; },
            fit);
    std::vector<qsizetype> from = cuts(path);
    std::reverse(from.begin(), from.end());
    return longestfitting(
        from, [&](qsizetype c) { return ellipsis + path.mid(c); }, fit);
}

bool Label::fits(const QString& text) const {
    const QRectF area = contentsRect();
    const int flags = int(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0);
    const QRectF need =
        QFontMetricsF(font()).boundingRect(QRectF(0, 0, area.width(), 1e6), flags, text);
    return need.width() <= area.width() && need.height() <= area.height();
}

void Label::resizeEvent(QResizeEvent* e) {
    QLabel::resizeEvent(e);
    if (path_) showpath();
}

void Label::changeEvent(QEvent* e) {
    QLabel::changeEvent(e);
    if (path_ && e->type() == QEvent::FontChange) showpath();
}

TextBox::TextBox(Form* form, std::string_view n, std::string_view text) : QLineEdit(form) {
    name(*this, n);
    showfromstart(qs(text));
    // Keys a user types run the change event; setText() and type() run it themselves.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (onchange) onchange();
    });
}

std::string TextBox::text() const {
    return QLineEdit::text().toStdString();
}

void TextBox::setText(std::string_view text) {
    const QString t = qs(text);
    const bool changed = t != QLineEdit::text();
    showfromstart(t);
    if (changed && onchange) onchange();
}

// A name or number the program shows must be read from its first character;
// QLineEdit leaves the cursor at the end, and with it the view of a long text.
void TextBox::showfromstart(const QString& text) {
    if (text != QLineEdit::text()) QLineEdit::setText(text);
    setCursorPosition(0);
}

// A box the user cannot type in (row numbers, results) is passed over by Tab;
// a click still focuses it, so that its text can be selected and copied.
void TextBox::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ReadOnlyChange)
        setFocusPolicy(isReadOnly() ? Qt::ClickFocus : Qt::StrongFocus);
    QLineEdit::changeEvent(e);
}

void TextBox::type(std::string_view text) {
    if (!reachable(*this, "type into")) return;
    const QString t = qs(text);
    selectAll();
    if (t.isEmpty()) {
        // Typing nothing over the selection is one delete key.
        if (!QLineEdit::text().isEmpty()) {
            QLineEdit::setText({});
            if (onchange) onchange();
        }
        return;
    }
    for (const char32_t c : t.toUcs4()) {
        {
            const QSignalBlocker quiet(this);
            insert(QString::fromUcs4(&c, 1));
        }
        if (onchange) onchange();
    }
}

void TextBox::setalignment(Align a) {
    switch (a) {
    case Align::left:
        setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        break;
    case Align::right:
        setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        break;
    case Align::center:
        setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    }
}

CommandButton::CommandButton(Form* form, std::string_view n, std::string_view caption)
    : QPushButton(form) {
    name(*this, n);
    setCaption(caption);
    // Enter in a text box does not press a button.
    setAutoDefault(false);
    setDefault(false);
    connect(this, &QPushButton::clicked, this, [this] {
        if (onclick) onclick();
    });
}

std::string CommandButton::caption() const {
    return text().toStdString();
}

void CommandButton::setCaption(std::string_view caption) {
    setText(qs(caption));
}

void CommandButton::press() {
    if (reachable(*this, "press")) click();
}

ListBox::ListBox(Form* form, std::string_view n) : QListWidget(form) {
    name(*this, n);
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] {
        if (onclick) onclick();
    });
    connect(this, &QListWidget::itemDoubleClicked, this, [this] {
        if (ondblclick) ondblclick();
    });
}

void ListBox::additem(std::string_view text) {
    addItem(qs(text));
}

namespace {

QListWidgetItem& itemof(const QListWidget& list, int i) {
    QListWidgetItem* it = i >= 0 ? list.item(i) : nullptr;
    if (!it) throw std::out_of_range("list index " + std::to_string(i));
    return *it;
}

} // namespace

std::string ListBox::list(int i) const {
    return itemof(*this, i).text().toStdString();
}

bool ListBox::selected(int i) const {
    return itemof(*this, i).isSelected();
}

void ListBox::setselected(int i, bool on) {
    QListWidgetItem& it = itemof(*this, i);
    if (on && selectionMode() == QAbstractItemView::SingleSelection)
        setCurrentItem(&it, QItemSelectionModel::ClearAndSelect);
    else
        it.setSelected(on);
}

int ListBox::listindex() const {
    const QListWidgetItem* it = currentItem();
    return it && it->isSelected() ? currentRow() : -1;
}

namespace {

// A user's click on item i; false when the user could not have made it.
bool userclick(ListBox& list, int i) {
    if (!reachable(list, "click in")) return false;
    if (i < 0 || i >= list.count()) {
        scriptfailure("click on item " + std::to_string(i) + " of " +
                      list.objectName().toStdString() + ", which has " +
                      std::to_string(list.count()) + " items");
        return false;
    }
    // A click in a multi-selection list toggles the item; otherwise it selects
    // that item alone.
    const auto how = list.selectionMode() == QAbstractItemView::MultiSelection
                         ? QItemSelectionModel::Toggle
                         : QItemSelectionModel::ClearAndSelect;
    list.setCurrentRow(i, how);
    if (list.onclick) list.onclick();
    return true;
}

} // namespace

void ListBox::clickitem(int i) {
    userclick(*this, i);
}

// A double-click clicks first, as with a mouse.
void ListBox::dblclickitem(int i) {
    if (userclick(*this, i) && ondblclick) ondblclick();
}

} // namespace forms
