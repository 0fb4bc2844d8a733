#pragma once
// Form: a modal window of the program, over QDialog.
//
// A window is a subclass whose controls are members named as the program names
// them (okbut, reltxt(152), ...) and whose handlers are member functions
// (okbut_Click, Form_Load). Positions and sizes are given in twips (15 twips to
// a pixel at 96 DPI) where the design fixes them; otherwise column() lays the
// controls out tidily in the order given.
//
// Every form is opened with show_modal(): it runs Form_Load, then runs modally
// and returns when the form is closed. Tab goes through the controls in
// reading order of their places at opening. Forms are parentless and live on
// the stack of the handler that opens them; never delete-on-close.

#include <QDialog>

#include <initializer_list>
#include <string>
#include <string_view>

namespace forms {

inline constexpr int twipsperpixel = 15;
inline constexpr int px(int twips) {
    return twips / twipsperpixel;
}

class Form : public QDialog {
public:
    // name: the window's name ("mainmenufrm"), used by the test driver.
    explicit Form(std::string name, std::string_view caption = {});
    ~Form() override;

    const std::string& name() const { return name_; }
    std::string caption() const;
    void setCaption(std::string_view caption);

    // The client area in twips.
    void setClientSize(int widthtwips, int heighttwips);

    // Runs Form_Load, then the window modally (or the test driver's script for
    // this window); returns when the window has closed.
    void show_modal();
    // Ends the modal run, like unloading the window. The handler that called it
    // goes on, so a handler can close its window and open the next one.
    void close();
    bool isopen() const { return open_; }
    // Hiding the window (hide(), setVisible(false)) also ends its run.
    void setVisible(bool visible) override;

    // Prints the image of the window (to the printer, or a PDF file when none
    // is set up; recorded by the test driver).
    void printform();

    // Places the widgets top to bottom in one column, left/top/width in twips,
    // each rowheight high with gap between rows; then fits the client area.
    void column(std::initializer_list<QWidget*> widgets, int left = 240, int top = 240,
                int width = 4800, int rowheight = 375, int gap = 120);
    // Grows the client area to hold every control with a margin.
    void fit();

protected:
    virtual void Form_Load() {}
    void closeEvent(QCloseEvent* e) override;
    void done(int r) override;
    // Escape does not close a window: only its own buttons do.
    void keyPressEvent(QKeyEvent* e) override;

private:
    friend class Driver;
    // Chains the controls for Tab in reading order: row by row, left to right,
    // a table before the buttons beside it.
    void chaintabs();
    std::string name_;
    bool open_ = false;
    int clientw_ = 0, clienth_ = 0; // the client size set, in pixels
};

} // namespace forms
