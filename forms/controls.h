#pragma once
// The controls of a form: label, text box, command button, list box, and
// control arrays of them indexed from 0. Each is a Qt widget whose parent is
// the form; geometry in twips through place(). Events are std::function
// members that the form sets to its handlers (okbut.onclick = [this] { okbut_Click(); }).

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace forms {

class Form;

// Position and size in twips.
void place(QWidget& w, int left, int top, int width, int height);

class Label final : public QLabel {
public:
    Label(Form* form, std::string_view name, std::string_view caption = {});
    // The caption as set: a path is given whole, however it is shown.
    std::string caption() const;
    void setCaption(std::string_view caption);
    // Shows a file's path, whole when it fits the label. One too long is cut
    // in the middle: as much of its start as fits, "…", then the separator and
    // the file name whole; when even that cannot fit, "…" and as much of the
    // end as fits, so that names that differ only at their end stay apart.
    // The whole path is the tooltip; the label shortens again when its size or
    // font changes.
    void setpath(std::string_view path);
    void setvisible(bool v) { setVisible(v); }
    bool visible() const { return !isHidden(); }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void showpath();
    QString shortened(const QString& path) const;
    // Whether the text shows whole in the label, on as many lines as it wraps to.
    bool fits(const QString& text) const;
    std::optional<QString> path_;
};

class TextBox final : public QLineEdit {
public:
    TextBox(Form* form, std::string_view name, std::string_view text = {});
    std::string text() const;
    // Sets the text, shown from its start; the change event runs when the text
    // differs, as when typed.
    void setText(std::string_view text);
    // What a user does: select all and type the text key by key; the change
    // event runs after every key.
    void type(std::string_view text);
    void setvisible(bool v) { setVisible(v); }
    bool visible() const { return !isHidden(); }
    enum class Align { left, right, center };
    void setalignment(Align a);
    void setfocus() { setFocus(); }
    std::function<void()> onchange;

protected:
    void changeEvent(QEvent* e) override;

private:
    void showfromstart(const QString& text);
};

class CommandButton final : public QPushButton {
public:
    CommandButton(Form* form, std::string_view name, std::string_view caption);
    std::string caption() const;
    void setCaption(std::string_view caption);
    void setvisible(bool v) { setVisible(v); }
    bool visible() const { return !isHidden(); }
    // Clicks the button as a user would; a hidden or disabled button cannot be
    // clicked (the test driver reports the attempt).
    void press();
    std::function<void()> onclick;
};

class ListBox final : public QListWidget {
public:
    ListBox(Form* form, std::string_view name);
    void additem(std::string_view text);
    int listcount() const { return count(); }
    std::string list(int i) const;    // text of item i
    bool selected(int i) const;       // whether item i is selected
    void setselected(int i, bool on); // select or clear item i
    int listindex() const;            // current item, -1 when none
    void clearlist() { clear(); }
    // Test helpers: a user's click and double-click on item i.
    void clickitem(int i);
    void dblclickitem(int i);
    std::function<void()> onclick;
    std::function<void()> ondblclick;
};

// A control array: item n is control n (numbered from 0).
template <typename C> class ControlArray final {
public:
    template <typename... Args>
    ControlArray(Form* form, std::string_view name, int count, Args&&... args) {
        items_.reserve(std::size_t(count));
        for (int i = 0; i < count; ++i)
            items_.push_back(std::make_unique<C>(
                form, std::string(name) + "(" + std::to_string(i) + ")", args...));
    }
    C& operator[](int i) {
        if (i < 0 || i >= count()) throw std::out_of_range("control array index");
        return *items_[std::size_t(i)];
    }
    const C& operator[](int i) const {
        if (i < 0 || i >= count()) throw std::out_of_range("control array index");
        return *items_[std::size_t(i)];
    }
    int count() const { return int(items_.size()); }

private:
    std::vector<std::unique_ptr<C>> items_;
};

} // namespace forms
