// The scripted driver: scripts run for the windows they name, nested windows
// run their own scripts, and every way a window can fail to close is caught.

#include "forms/driver.h"
#include "forms/msgbox.h"
#include "tests/forms/testwindow.h"
#include "tests/support/scripted.h"

#include <gtest/gtest.h>

using forms::Driver;
using forms::Form;

using DriverScripts = ScriptedTest;

TEST_F(DriverScripts, RunsLoadThenTheScriptWhichClosesTheWindow) {
    std::vector<std::string> steps;
    TestWindow w;
    w.onload = [&] { steps.push_back("load"); };
    driver.on<TestWindow>("testfrm", [&](TestWindow& f) {
        steps.push_back("script");
        EXPECT_TRUE(f.isopen());
        f.okbut.press();
        steps.push_back("after press");
    });
    w.show_modal();
    EXPECT_EQ(steps, (std::vector<std::string>{"load", "script", "after press"}));
    EXPECT_FALSE(w.isopen());
    EXPECT_EQ(driver.opened(), std::vector<std::string>{"testfrm"});
}

TEST_F(DriverScripts, WindowsOpenedFromHandlersRunTheirOwnScriptsInOrder) {
    std::vector<std::string> steps;
    TestWindow outer("outerfrm");
    // The outer window's button closes it and opens the inner one twice;
    // code after the close goes on.
    outer.okbut.onclick = [&] {
        outer.close();
        for (int i = 0; i < 2; ++i) {
            TestWindow inner("innerfrm");
            inner.show_modal();
        }
        steps.push_back("outer handler done");
    };
    driver.on("outerfrm", [&](Form& f) {
        steps.push_back("outer");
        static_cast<TestWindow&>(f).okbut.press();
    });
    for (int i = 1; i <= 2; ++i)
        driver.on<TestWindow>("innerfrm", [&, i](TestWindow& f) {
            steps.push_back("inner " + std::to_string(i));
            f.close();
        });
    outer.show_modal();
    EXPECT_EQ(steps,
              (std::vector<std::string>{"outer", "inner 1", "inner 2", "outer handler done"}));
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"outerfrm", "innerfrm", "innerfrm"}));
}

TEST_F(DriverScripts, EachWayOfClosingEndsTheRun) {
    const std::vector<std::function<void(Form&)>> ways = {
        [](Form& f) { f.close(); },
        [](Form& f) { static_cast<QDialog&>(f).done(QDialog::Accepted); },
        [](Form& f) { static_cast<QWidget&>(f).close(); },
        [](Form& f) { f.hide(); },
        [](Form& f) { f.setVisible(false); },
        [](Form& f) { f.reject(); },
    };
    for (const auto& way : ways) {
        TestWindow w;
        driver.on("testfrm", way);
        w.show_modal();
        EXPECT_FALSE(w.isopen());
    }
    EXPECT_EQ(driver.opened().size(), ways.size());
}

TEST_F(DriverScripts, MessagesAreRecordedAndAcknowledged) {
    TestWindow w;
    w.onload = [] { forms::msgbox("Problem must be entered first!"); };
    driver.on("testfrm", [](Form& f) {
        forms::msgbox("Invalid File Name");
        f.close();
    });
    w.show_modal();
    EXPECT_EQ(driver.messages(),
              (std::vector<std::string>{"Problem must be entered first!", "Invalid File Name"}));
}

TEST_F(DriverScripts, AWindowThatClosesWhileLoadingNeedsNoScript) {
    TestWindow w;
    w.onload = [&] { w.close(); };
    w.show_modal();
    EXPECT_EQ(driver.opened(), std::vector<std::string>{"testfrm"});
}

TEST_F(DriverScripts, AWindowCanBeOpenedAgainAndLoadsAfresh) {
    TestWindow w;
    driver.on("testfrm", [](Form& f) { f.close(); });
    driver.on("testfrm", [](Form& f) { f.close(); });
    w.show_modal();
    w.show_modal();
    EXPECT_EQ(w.loads, 2);
}

// Failures are checked here by hand, so these tests use a driver of their own.

TEST(DriverFailures, AWindowWithoutScriptFailsAndIsClosed) {
    Driver driver;
    TestWindow w("lonelyfrm");
    w.show_modal();
    EXPECT_FALSE(w.isopen());
    EXPECT_EQ(driver.failures(), std::vector<std::string>{"no script for lonelyfrm"});
}

TEST(DriverFailures, AWindowStillOpenAfterItsScriptFailsAndIsClosed) {
    Driver driver;
    TestWindow w;
    driver.on("testfrm", [](Form& f) { static_cast<TestWindow&>(f).box.type("12"); });
    w.show_modal();
    EXPECT_FALSE(w.isopen());
    EXPECT_EQ(driver.failures(), std::vector<std::string>{"testfrm still open after its script"});
}

TEST(DriverFailures, ScriptsNeverRunArePending) {
    Driver driver;
    driver.on("a", [](Form&) {});
    driver.on("a", [](Form&) {});
    driver.on("b", [](Form&) {});
    EXPECT_EQ(driver.pending(), (std::vector<std::string>{"a", "a", "b"}));
}

TEST(DriverFailures, AScriptForAnotherClassFails) {
    Driver driver;
    TestWindow w;
    struct Other final : Form {
        Other() : Form("other") {}
    };
    driver.on<Other>("testfrm", [](Other& f) { f.close(); });
    w.show_modal();
    ASSERT_EQ(driver.failures().size(), 2u);
    EXPECT_EQ(driver.failures()[0], "window testfrm is not of the scripted class");
}

TEST(DriverFailures, OnlyTheInnermostDriverIsCurrent) {
    EXPECT_EQ(Driver::current(), nullptr);
    {
        Driver outer;
        {
            Driver inner;
            EXPECT_EQ(Driver::current(), &inner);
        }
        EXPECT_EQ(Driver::current(), &outer);
    }
    EXPECT_EQ(Driver::current(), nullptr);
}

TEST_F(DriverScripts, MessagesOfTheSharedProceduresAreRecorded) {
    m.msgbox("Bad department data!");
    EXPECT_EQ(&module1(), &m);
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"Bad department data!"});
}
