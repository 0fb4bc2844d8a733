// The manual partition: the story count, the departments story by story with
// every message, and the scored partition shown in the display.

#include "multistory/manualpartition2frm.h"
#include "multistory/manualpartitionfrm.h"
#include "multistory/msprintpartitionfrm.h"
#include "tests/multistory/partitionwindows.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

using ManualPartition = PartitionWindows;

bool opened(const forms::Driver& driver, const std::string& name) {
    const auto& o = driver.opened();
    return std::find(o.begin(), o.end(), name) != o.end();
}

TEST_F(ManualPartition, TakesStoriesAndDepartmentsAsWholeNumbersAndShowsTheScoredPartition) {
    m.desiredadf = 0.3;
    std::vector<std::string> emptied;
    std::vector<int> refused;
    driver.on<manualpartitionfrm>("manualpartitionfrm", [&](manualpartitionfrm& f) {
        for (const char* typed : {"7", "1", "0", "-3", "abc"}) {
            f.svnstortxt.type(typed);
            f.contbut.press();
            emptied.push_back(f.svnstortxt.text());
            refused.push_back(m.nstories);
        }
        f.svnstortxt.type("2.9");
        f.contbut.press();
    });
    driver.on<manualpartition2frm>("manualpartition2frm", [&](manualpartition2frm& f) {
        EXPECT_EQ(f.currentdeptlbl.caption(), "Enter departments for site / story  1");
        EXPECT_EQ(f.deptlbl[0].caption(), " 1. D1");
        EXPECT_TRUE(f.deptlbl[3].visible());
        EXPECT_FALSE(f.deptlbl[4].visible());
        EXPECT_EQ(f.storylbl[1].caption(), "Story / site  2.");
        EXPECT_TRUE(f.deptsonlbl[1].visible());
        EXPECT_FALSE(f.storylbl[2].visible());
        for (const char* typed : {"0", "5", "1", "2", "1"}) {
            f.itxt.type(typed);
            f.enterbut.press();
            EXPECT_EQ(f.itxt.text(), "");
        }
        f.nextbut.press();
        EXPECT_EQ(f.currentdeptlbl.caption(), "Enter departments for site / story  2");
        f.itxt.type("3");
        f.enterbut.press();
        f.itxt.type("4.7");
        f.enterbut.press();
        EXPECT_EQ(f.deptsonlbl[0].caption(), "1, 2");
        EXPECT_EQ(f.deptsonlbl[1].caption(), "3, 4");
        f.contbut.press();
    });
    driver.on<msprintpartitionfrm>("msprintpartitionfrm", [&](msprintpartitionfrm& f) {
        EXPECT_EQ(f.partscorelbl.caption(), "0.50 = (15 / 30)");
        EXPECT_EQ(f.asdiflbl.caption(), "0.20");
        EXPECT_EQ(f.sdiflbl.caption(), "");
        f.contbut.press();
    });
    manualpartitionfrm window;
    window.show_modal();

    EXPECT_EQ(emptied, std::vector<std::string>(5, ""));
    EXPECT_EQ(refused, (std::vector<int>{7, 1, 0, -3, 0}));
    const std::vector<std::string> range(5, "Value must be between 2 and 6");
    std::vector<std::string> expected = range;
    for (const char* text :
         {"Department number is outside range.", "Department number is outside range.",
          "Department number already assigned."})
        expected.push_back(text);
    EXPECT_EQ(driver.messages(), expected);
    EXPECT_EQ(m.nstories, 2);
    EXPECT_TRUE(m.desiredadf.istext());
    EXPECT_EQ(m.desiredadf.text(), "");
    EXPECT_EQ(members(1), (std::vector<int>{1, 2}));
    EXPECT_EQ(members(2), (std::vector<int>{3, 4}));
    EXPECT_EQ(m.storyarea[2], 600);
    EXPECT_EQ(m.storyofdept[4], 2);
    EXPECT_EQ(m.partscore, 15);
}

TEST_F(ManualPartition, ContinueNeedsEveryDepartmentAndLeavesUnreachedStoriesEmpty) {
    driver.on<manualpartitionfrm>("manualpartitionfrm", [](manualpartitionfrm& f) {
        f.svnstortxt.type("3");
        f.contbut.press();
    });
    driver.on<manualpartition2frm>("manualpartition2frm", [](manualpartition2frm& f) {
        f.contbut.press();
        for (const char* typed : {"1", "2", "3", "4"}) {
            f.itxt.type(typed);
            f.enterbut.press();
        }
        f.contbut.press();
    });
    driver.on<msprintpartitionfrm>("msprintpartitionfrm", [](msprintpartitionfrm& f) {
        EXPECT_EQ(f.deptsonlbl[0].caption(), " 1  2  3  4 ");
        EXPECT_EQ(f.deptsonlbl[2].caption(), "");
        EXPECT_EQ(f.storyarealbl[1].caption(), " 0");
        EXPECT_EQ(f.partscorelbl.caption(), "1.00 = (30 / 30)");
        f.contbut.press();
    });
    manualpartitionfrm window;
    window.show_modal();
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"Not all departments were assigned."});
    EXPECT_EQ(m.storycount[2], 0);
    EXPECT_EQ(m.storycount[3], 0);
}

TEST_F(ManualPartition, NextOnTheLastStoryClosesWithoutShowingOnceAllAreEntered) {
    m.partscore = 99;
    driver.on<manualpartition2frm>("manualpartition2frm", [](manualpartition2frm& f) {
        for (const char* typed : {"4", "2"}) {
            f.itxt.type(typed);
            f.enterbut.press();
        }
        f.nextbut.press();
        f.itxt.type("1");
        f.enterbut.press();
        f.nextbut.press();
        f.itxt.type("3");
        f.enterbut.press();
        f.nextbut.press();
    });
    m.nstories = 2;
    manualpartition2frm window;
    window.show_modal();
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"Not all departments were assigned."});
    EXPECT_FALSE(opened(driver, "msprintpartitionfrm"));
    EXPECT_EQ(members(1), (std::vector<int>{4, 2}));
    EXPECT_EQ(members(2), (std::vector<int>{1, 3}));
    EXPECT_EQ(m.storyarea[1], 700);
    EXPECT_EQ(m.partscore, 99); // not scored
}

TEST_F(ManualPartition, StoreyoneKeepsTheDesiredFactorAndTheRefusedText) {
    m.program = Program::storeyone;
    m.desiredadf = 0.3;
    driver.on<manualpartitionfrm>("manualpartitionfrm", [](manualpartitionfrm& f) {
        f.svnstortxt.type("9");
        f.contbut.press();
        EXPECT_EQ(f.svnstortxt.text(), "9");
        f.svnstortxt.type("3.5");
        f.contbut.press();
    });
    driver.on<manualpartition2frm>("manualpartition2frm", [](manualpartition2frm& f) {
        // A department below 1 is refused here too.
        f.itxt.type("0");
        f.enterbut.press();
        f.cancelbut.press();
    });
    manualpartitionfrm window;
    window.show_modal();
    EXPECT_EQ(driver.messages(), (std::vector<std::string>{"Value must be between 2 and 6",
                                                           "Department number is outside range."}));
    EXPECT_EQ(m.nstories, 3);
    EXPECT_EQ(m.desiredadf, Cell(0.3));
    EXPECT_EQ(m.storyofdept[0], 0);
}

} // namespace
