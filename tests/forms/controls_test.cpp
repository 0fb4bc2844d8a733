// Controls as a user works them: typing key by key, pressing buttons that are
// there to press, selecting in lists; and the window's own geometry.

#include "tests/forms/testwindow.h"
#include "tests/support/fit.h"
#include "tests/support/scripted.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

using forms::Form;

using ControlsScripts = ScriptedTest;

TEST_F(ControlsScripts, TypingRunsTheChangeEventAfterEveryKey) {
    TestWindow w;
    w.box.setText("old");
    std::vector<std::string> seen;
    w.box.onchange = [&] { seen.push_back(w.box.text()); };
    driver.on<TestWindow>("testfrm", [](TestWindow& f) {
        f.box.type("1.5");
        f.close();
    });
    w.show_modal();
    // The old text was selected, so the first key replaced it.
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "1.", "1.5"}));
}

TEST_F(ControlsScripts, TypingNothingClearsTheBoxWithOneChange) {
    TestWindow w;
    w.box.setText("7");
    int changes = 0;
    w.box.onchange = [&] { ++changes; };
    driver.on<TestWindow>("testfrm", [](TestWindow& f) {
        f.box.type("");
        f.close();
    });
    w.show_modal();
    EXPECT_EQ(w.box.text(), "");
    EXPECT_EQ(changes, 1);
}

TEST(Controls, SetTextRunsTheChangeEventOnlyWhenTheTextDiffers) {
    TestWindow w;
    int changes = 0;
    w.box.onchange = [&] { ++changes; };
    w.box.setText("abc");
    w.box.setText("abc");
    w.box.setText("Zoë");
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(w.box.text(), "Zoë");
}

// A name or number the program puts in a box too narrow for it is read from
// its first character; what the user types follows the cursor as usual.
TEST(Controls, AProgramSetTextIsShownFromItsStart) {
    // Where the box draws its cursor, once drawn: the view follows the cursor.
    auto drawncursor = [](forms::TextBox& box) {
        box.grab();
        return box.inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    };
    TestWindow w;
    const std::string name = "Finished Goods Warehouse";
    forms::TextBox narrow(&w, "narrow", name);
    forms::place(narrow, 240, 240, 900, 300);
    EXPECT_EQ(narrow.cursorPosition(), 0);
    narrow.type(name);
    EXPECT_EQ(narrow.cursorPosition(), int(name.size()));
    EXPECT_GT(drawncursor(narrow), narrow.width() / 2);
    narrow.setText(name); // the same text, now shown from its start
    EXPECT_EQ(narrow.cursorPosition(), 0);
    narrow.setText("Raw Material Store Room");
    EXPECT_EQ(narrow.cursorPosition(), 0);
    EXPECT_LT(drawncursor(narrow), narrow.width() / 4);
}

TEST(Controls, HiddenOrDisabledControlsCannotBeWorkedUnderTheDriver) {
    forms::Driver driver;
    TestWindow w;
    int clicks = 0, changes = 0;
    w.okbut.onclick = [&] { ++clicks; };
    w.box.onchange = [&] { ++changes; };
    driver.on<TestWindow>("testfrm", [](TestWindow& f) {
        f.okbut.setvisible(false);
        f.okbut.press();
        f.okbut.setvisible(true);
        f.okbut.setEnabled(false);
        f.okbut.press();
        f.box.setvisible(false);
        f.box.type("3");
        f.close();
    });
    w.show_modal();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(driver.failures(),
              (std::vector<std::string>{"press okbut in testfrm, which is hidden",
                                        "press okbut in testfrm, which is disabled",
                                        "type into box in testfrm, which is hidden"}));
}

TEST(Controls, AHiddenButtonPressWithoutTheDriverIsIgnored) {
    TestWindow w;
    int clicks = 0;
    w.okbut.onclick = [&] { ++clicks; };
    w.okbut.setvisible(false);
    w.okbut.press();
    EXPECT_EQ(clicks, 0);
    w.okbut.setvisible(true);
    w.okbut.press();
    EXPECT_EQ(clicks, 1);
}

TEST_F(ControlsScripts, ListSelectionIsReadAndClearedByItem) {
    TestWindow w;
    for (const char* s : {"A", "B", "C"})
        w.items.additem(s);
    std::vector<int> clicked, doubled;
    w.items.onclick = [&] { clicked.push_back(w.items.listindex()); };
    w.items.ondblclick = [&] { doubled.push_back(w.items.listindex()); };
    driver.on<TestWindow>("testfrm", [](TestWindow& f) {
        f.items.clickitem(1);
        f.items.dblclickitem(2);
        f.close();
    });
    w.show_modal();
    EXPECT_EQ(clicked, (std::vector<int>{1, 2}));
    EXPECT_EQ(doubled, std::vector<int>{2});
    EXPECT_EQ(w.items.listcount(), 3);
    EXPECT_EQ(w.items.list(2), "C");
    EXPECT_FALSE(w.items.selected(1));
    EXPECT_TRUE(w.items.selected(2));
    w.items.setselected(2, false);
    EXPECT_FALSE(w.items.selected(2));
    EXPECT_EQ(w.items.listindex(), -1);
    w.items.setselected(0, true);
    EXPECT_EQ(w.items.listindex(), 0);
    EXPECT_THROW(w.items.list(3), std::out_of_range);
    EXPECT_THROW(w.items.selected(-1), std::out_of_range);
}

TEST(Controls, MultiSelectionListsToggleOnClick) {
    TestWindow w;
    w.items.setSelectionMode(QAbstractItemView::MultiSelection);
    for (const char* s : {"A", "B", "C"})
        w.items.additem(s);
    w.items.clickitem(0);
    w.items.clickitem(2);
    EXPECT_TRUE(w.items.selected(0));
    EXPECT_TRUE(w.items.selected(2));
    w.items.clickitem(0);
    EXPECT_FALSE(w.items.selected(0));
}

TEST(Controls, AClickOutsideTheListIsAFailure) {
    forms::Driver driver;
    TestWindow w;
    w.items.additem("A");
    w.items.clickitem(1);
    EXPECT_EQ(driver.failures(),
              std::vector<std::string>{"click on item 1 of items, which has 1 items"});
}

TEST(Controls, ControlsAreFoundByName) {
    TestWindow w;
    forms::ControlArray<forms::TextBox> reltxt(&w, "reltxt", 153);
    EXPECT_EQ(reltxt.count(), 153);
    EXPECT_EQ(w.findChild<forms::TextBox*>("reltxt(152)"), &reltxt[152]);
    EXPECT_EQ(w.findChild<forms::CommandButton*>("okbut"), &w.okbut);
    EXPECT_THROW(reltxt[153], std::out_of_range);
}

TEST(Controls, LabelsShowTheirTextAsWritten) {
    TestWindow w;
    w.caption.setCaption("<--------->");
    EXPECT_EQ(w.caption.caption(), "<--------->");
    EXPECT_EQ(w.caption.textFormat(), Qt::PlainText);
}

TEST(Controls, ACarriageReturnBreaksALabelsLine) {
    TestWindow w;
    w.caption.setCaption("one\r\rtwo\r\nthree");
    EXPECT_EQ(w.caption.caption(), "one\r\rtwo\r\nthree");
    // Drawn as line breaks, not as blanks: the label needs four lines of height.
    const QFontMetrics fm(w.caption.font());
    EXPECT_GE(w.caption.sizeHint().height(), 4 * fm.height());
}

// A path too long for its label keeps its start and the file name, "…"
// between them; the label shortens it anew when it changes size or font.
TEST(Controls, ALabelShowsAPathWholeOrCutInTheMiddle) {
    TestWindow w; // the label holds one line
    forms::Label& l = w.caption;
    l.setpath("/plans/PLANT");
    EXPECT_EQ(l.text(), "/plans/PLANT");
    EXPECT_EQ(l.toolTip(), "/plans/PLANT");

    const std::string deep = "/home/planning-office/Documents/Facility planning/"
                             "2026 plant relayout study/alternatives/PLANT";
    const auto shortened = [&](qsizetype atleast) {
        const QString shown = l.text();
        EXPECT_TRUE(shown.endsWith(u"\u2026/PLANT")) << shown.toStdString();
        EXPECT_TRUE(QString::fromStdString(deep).startsWith(shown.chopped(7)));
        EXPECT_GE(shown.size(), atleast) << shown.toStdString();
        EXPECT_TRUE(controlmisfits(w).empty()) << describe(controlmisfits(w));
        return shown.size();
    };
    l.setpath(deep);
    EXPECT_EQ(l.caption(), deep);
    EXPECT_EQ(l.toolTip().toStdString(), deep);
    const qsizetype oneline = shortened(30);
    // A hidden label hears of its new size when it is next drawn.
    forms::place(l, 240, 240, 2400, 375);
    l.grab();
    const qsizetype narrow = shortened(10);
    EXPECT_LT(narrow, oneline);
    QFont small = l.font();
    small.setPixelSize(small.pixelSize() - 2);
    l.setFont(small);
    EXPECT_GT(shortened(10), narrow);

    // A file name wider than the label: its end, which tells story files apart.
    l.setpath("/plans/" + std::string(60, 'X') + "- 2");
    EXPECT_TRUE(l.text().startsWith(u"\u2026X")) << l.text().toStdString();
    EXPECT_TRUE(l.text().endsWith(u"X- 2"));
    EXPECT_TRUE(controlmisfits(w).empty()) << describe(controlmisfits(w));

    l.setCaption("New problem");
    EXPECT_EQ(l.caption(), "New problem");
    EXPECT_TRUE(l.toolTip().isEmpty());
}

TEST(Forms, GeometryIsInTwips) {
    TestWindow w;
    w.setClientSize(11808, 8460);
    EXPECT_EQ(w.size(), QSize(787, 564));
    forms::place(w.okbut, 9960, 7560, 1335, 495);
    EXPECT_EQ(w.okbut.geometry(), QRect(664, 504, 89, 33));
}

TEST(Forms, ColumnLaysOutInOrderAndFitGrowsTheWindow) {
    struct Small final : Form {
        Small() : Form("smallfrm", "Small") { column({&a, &b}); }
        forms::CommandButton a{this, "a", "A"}, b{this, "b", "B"};
    } w;
    EXPECT_EQ(w.a.geometry(), QRect(16, 16, 320, 25));
    EXPECT_EQ(w.b.geometry(), QRect(16, 49, 320, 25));
    // Fitted around the controls with a margin of 240 twips.
    EXPECT_EQ(w.size(), QSize(352, 90));
    EXPECT_EQ(w.caption(), "Small");
}

TEST(Forms, PrintFormRecordsTheWindowImage) {
    forms::Driver driver;
    TestWindow w;
    w.setClientSize(3000, 1500);
    driver.on("testfrm", [](Form& f) {
        f.printform();
        f.close();
    });
    w.show_modal();
    ASSERT_EQ(driver.prints().size(), 1u);
    const forms::PrintJob& job = driver.prints()[0];
    EXPECT_EQ(job.kind, forms::PrintJob::Kind::image);
    EXPECT_EQ(job.title, "testfrm");
    EXPECT_EQ(job.image.size(), QSize(200, 100));
    EXPECT_TRUE(driver.failures().empty());
}

TEST(Forms, TheApplicationNamesMessageBoxes) {
    EXPECT_EQ(QApplication::applicationDisplayName(), "MARQUETA");
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    // The controls' font is installed, not a stand-in of other metrics.
    EXPECT_EQ(QFontInfo(QApplication::font()).family(), "DejaVu Sans Condensed");
    EXPECT_EQ(QApplication::font().pixelSize(), 11);
}

// Without the driver a window runs its own event loop until it closes.
TEST(Forms, ARealModalRunEndsWhenAHandlerClosesTheWindow) {
    TestWindow outer("outerfrm");
    std::vector<std::string> steps;
    bool escapeclosed = true;
    outer.okbut.onclick = [&] {
        outer.close();
        TestWindow inner("innerfrm");
        QTimer::singleShot(0, &inner, [&] {
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&inner, &escape);
            escapeclosed = !inner.isopen();
            inner.okbut.click();
        });
        inner.show_modal();
        steps.push_back("inner returned");
    };
    QTimer::singleShot(0, &outer, [&] {
        steps.push_back(outer.isVisible() ? "outer shown" : "outer not shown");
        // Placed in the middle of the screen, with or without a window manager.
        const QPoint middle = QGuiApplication::primaryScreen()->availableGeometry().center();
        EXPECT_LE((outer.geometry().center() - middle).manhattanLength(), 4);
        outer.okbut.click();
    });
    outer.show_modal();
    steps.push_back("outer returned");
    EXPECT_FALSE(escapeclosed);
    EXPECT_EQ(steps, (std::vector<std::string>{"outer shown", "inner returned", "outer returned"}));
}
