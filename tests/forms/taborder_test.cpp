// Tab goes through a window's controls in reading order of their places at
// opening, whatever order the window made them in.

#include "forms/controls.h"
#include "forms/driver.h"
#include "forms/form.h"
#include "multistory/AutomPartitionfrm.h"
#include "tests/forms/tabkeys.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <functional>

using forms::CommandButton;
using forms::TextBox;
using names = std::vector<std::string>;

namespace {

// A window for the test's controls: the script runs while it is open.
struct Placed final : forms::Form {
    Placed() : Form("placedfrm") { setClientSize(12000, 9000); }
    void run(const std::function<void()>& script) {
        forms::Driver driver;
        driver.on("placedfrm", [&](Form& f) {
            script();
            f.close();
        });
        show_modal();
    }
    std::function<void()> onload;
    void Form_Load() override {
        if (onload) onload();
    }
};

} // namespace

TEST(TabOrder, ARowIsReadLeftToRightThoughItsTopsDifferByAFewPixels) {
    Placed w;
    // Made bottom row first and right to left, and placed while loading.
    TextBox d{&w, "d"};
    CommandButton c{&w, "c", "C"};
    TextBox b{&w, "b"}, a{&w, "a"};
    w.onload = [&] {
        forms::place(a, 240, 240, 1800, 375);
        forms::place(b, 2400, 300, 1800, 375);
        forms::place(c, 4800, 180, 1800, 495);
        forms::place(d, 240, 900, 1800, 375);
    };
    w.run([&] { EXPECT_EQ(tabfrom(a, 4), (names{"b", "c", "d", "a"})); });
}

// Two lists side by side with buttons under them: the columns line up, so
// Tab goes across before it goes down. Beside a table whose rows the button
// does not line up with, the table is finished first.
TEST(TabOrder, ColumnsThatLineUpAreReadRowByRowAndOthersOneAfterTheOther) {
    Placed w;
    forms::ListBox left{&w, "left"}, right{&w, "right"};
    CommandButton ok{&w, "ok", "Ok"}, cancel{&w, "cancel", "Cancel"}, help{&w, "help", "Help"};
    forms::place(left, 240, 240, 2400, 3000);
    forms::place(right, 3960, 240, 2400, 3000);
    forms::place(ok, 1560, 3480, 1215, 495);
    forms::place(cancel, 3960, 3480, 1200, 495);
    forms::place(help, 5160, 3480, 1200, 495);
    forms::ControlArray<TextBox> name{&w, "name", 3}, area{&w, "area", 3};
    CommandButton go{&w, "go", "Go"};
    for (int r = 0; r < 3; ++r) {
        forms::place(name[r], 240, 4200 + 330 * r, 2700, 300);
        forms::place(area[r], 3060, 4200 + 330 * r, 1500, 300);
    }
    forms::place(go, 6600, 4380, 2400, 420); // across the first two rows
    w.run([&] {
        EXPECT_EQ(tabfrom(left, 4), (names{"right", "ok", "cancel", "help"}));
        EXPECT_EQ(tabfrom(name[0], 7),
                  (names{"area(0)", "name(1)", "area(1)", "name(2)", "area(2)", "go", "left"}));
    });
}

// A box hidden at opening or read-only keeps its place: Tab passes over it
// while it cannot be typed in and stops there once it can.
TEST(TabOrder, BoxesThatCannotBeTypedInKeepTheirPlace) {
    Placed w;
    TextBox first{&w, "first"}, hidden{&w, "hidden"}, readonly{&w, "readonly"}, last{&w, "last"};
    w.column({&first, &hidden, &readonly, &last});
    hidden.setvisible(false);
    readonly.setReadOnly(true);
    w.run([&] {
        EXPECT_EQ(tabfrom(first, 1), names{"last"});
        hidden.setvisible(true);
        readonly.setReadOnly(false);
        EXPECT_EQ(tabfrom(first, 3), (names{"hidden", "readonly", "last"}));
    });
}

// The number of stories comes first: the window opens with the focus in it.
TEST(TabOrder, TheAutomaticPartitionStartsAtTheNumberOfStories) {
    AutomPartitionfrm w;
    QTimer::singleShot(0, &w, [&] {
        // The offscreen platform activates a window only when asked.
        w.activateWindow();
        QApplication::processEvents();
        EXPECT_EQ(QApplication::focusWidget(), &w.svnstortxt);
        EXPECT_EQ(tabfrom(w.svnstortxt, 4), (names{"sdiftxt", "contbut", "backbut", "svnstortxt"}));
        w.close();
    });
    w.show_modal();
}
