// The department window: the live count and statistics, Continue, Back.
#include "problem/mainfrm.h"
#include "problem/mainmenufrm.h"
#include "tests/forms/tabkeys.h"
#include "tests/problem/definition.h"

#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace {

class Departments : public Definition {
protected:
    void SetUp() override {
        Definition::SetUp();
        m.program = Program::storeymany;
        m.initproblem();
        m.datasource = "k";
    }
    // Continue leads through the chart and score windows; with no main menu
    // open the window opens one, which the test quits.
    void expectroadafterContinue() {
        confirmchartandscores();
        driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) { f.quitbut.press(); });
    }
    // The window opened from an open main menu, as Edit opens it: Continue
    // then opens no menu, whose load would size the building once more.
    void openfrommenu(std::function<void(mainfrm&)> script) {
        confirmchartandscores();
        driver.on<mainmenufrm>("mainmenufrm", [this, script](mainmenufrm& menu) {
            driver.on<mainfrm>("mainfrm", script);
            mainfrm f;
            f.show_modal();
            menu.quitbut.press();
        });
        mainmenufrm menu;
        menu.show_modal();
    }
};

TEST_F(Departments, NamesInRowsOneTwoAndFiveGiveFiveDepartments) {
    expectroadafterContinue();
    driver.on<mainfrm>("mainfrm", [&](mainfrm& f) {
        EXPECT_EQ(f.caption(), "MARQUETA");
        EXPECT_EQ(f.datafilelbl.caption(), "New problem");
        EXPECT_EQ(f.instlbl.caption(), "Enter or modify problem data.");
        EXPECT_EQ(f.itxt[0].text(), "1");
        EXPECT_EQ(f.itxt[17].text(), "18");
        f.nmdpttxt[0].type("Press");
        f.nmdpttxt[1].type("Weld");
        f.nmdpttxt[4].type("Paint");
        f.areatxt[0].type("100");
        f.areatxt[1].type("200");
        f.areatxt[4].type("300");
        EXPECT_EQ(m.ndept, 5);
        EXPECT_EQ(f.totaltxt.text(), "600");
        EXPECT_EQ(f.avgtxt.text(), "120.0");
        f.okbut.press();
    });
    mainfrm f;
    f.show_modal();
    EXPECT_EQ(m.ndept, 5);
    EXPECT_EQ(m.deptname[3], "");
    EXPECT_EQ(m.deptname[5], "Paint");
    EXPECT_EQ(m.deptarea[4].num(), 0);
    EXPECT_EQ(m.deptarea[5].num(), 300);
    EXPECT_EQ(m.problementered.num(), 1);
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"mainfrm", "relfrm", "svectfrm",
                                                         "svect2frm", "mainmenufrm"}));
}

TEST_F(Departments, StatisticsFollowEveryKeystroke) {
    driver.on<mainfrm>("mainfrm", [&](mainfrm& f) {
        // No department named yet: the mean and deviation show 0.0.
        f.areatxt[0].type("50");
        EXPECT_EQ(m.ndept, 0);
        EXPECT_EQ(f.avgtxt.text(), "0.0");
        EXPECT_EQ(f.stdtxt.text(), "0.0");
        for (int r = 0; r < 3; ++r)
            f.nmdpttxt[r].type("D" + std::to_string(r + 1));
        f.areatxt[0].type("100");
        f.areatxt[1].type("200");
        f.areatxt[2].type("300");
        EXPECT_EQ(f.totaltxt.text(), "600");
        EXPECT_EQ(f.avgtxt.text(), "200.0");
        EXPECT_EQ(f.stdtxt.text(), "81.6");
        // Exponents read as in the problem file; text without a number is 0.
        f.areatxt[0].type("1e3");
        f.areatxt[1].type("2.5E3");
        f.areatxt[2].type("abc");
        EXPECT_EQ(f.totaltxt.text(), "3500");
        f.areatxt[2].type("1e999");
        EXPECT_EQ(m.deptarea[3].num(), 0);
        // Equal fractional areas: a variance a hair below 0 shows as 0.
        for (int r = 0; r < 3; ++r)
            f.areatxt[r].type("0.1");
        EXPECT_EQ(f.stdtxt.text(), "0.0");
        EXPECT_EQ(m.stdarea, 0);
        // Clearing the last name lowers the count at the next area keystroke.
        f.nmdpttxt[2].type("");
        EXPECT_EQ(m.ndept, 3);
        f.areatxt[0].type("7");
        EXPECT_EQ(m.ndept, 2);
        f.backbut.press();
    });
    mainfrm f;
    f.show_modal();
}

TEST_F(Departments, BackAndTheCloseBoxLeaveTheProblemAsItWas) {
    for (const bool closebox : {false, true}) {
        setproblem({"Press", "Weld", "Paint"}, {10, 20, 30});
        const auto before = std::make_unique<const Module1>(m);
        driver.on<mainfrm>("mainfrm", [&](mainfrm& f) {
            f.nmdpttxt[0].type("Stamp");
            f.nmdpttxt[2].setText("");
            f.nmdpttxt[4].type("Ship");
            f.areatxt[0].type("999");
            // The statistics follow the typing while the window is open.
            EXPECT_EQ(m.ndept, 5);
            EXPECT_EQ(f.totaltxt.text(), "1049");
            closebox ? void(static_cast<QWidget&>(f).close()) : f.backbut.press();
        });
        mainfrm f;
        f.show_modal();
        EXPECT_EQ(m.ndept, 3);
        EXPECT_EQ(m.deptname, before->deptname);
        EXPECT_EQ(m.deptarea, before->deptarea);
        EXPECT_EQ(m.stdarea, before->stdarea);
        EXPECT_EQ(m.totalarea, 60);
    }
}

TEST_F(Departments, ContinueWithoutFirstNameIsRefused) {
    driver.on<mainfrm>("mainfrm", [&](mainfrm& f) {
        f.nmdpttxt[1].type("Weld");
        f.okbut.press();
        EXPECT_TRUE(f.isopen());
        f.backbut.press();
    });
    mainfrm f;
    f.show_modal();
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"No departments specified!"});
    EXPECT_EQ(m.deptname[2], "");
}

TEST_F(Departments, NamesAreTakenAsTypedAndAtMostEighteenRowsRead) {
    expectroadafterContinue();
    driver.on<mainfrm>("mainfrm", [&](mainfrm& f) {
        for (int r = 0; r < 18; ++r)
            f.nmdpttxt[r].type(" d\"" + std::to_string(r + 1) + " ");
        f.areatxt[17].type("5");
        f.okbut.press();
    });
    mainfrm f;
    f.show_modal();
    EXPECT_EQ(m.ndept, 18);
    EXPECT_EQ(m.deptname[18], " d\"18 ");
    EXPECT_EQ(m.totalarea, 5);
}

// Continue sizes the building: storeymany from the ratio 1.35 every time,
// storeyone from its own ratio or, without one, in the building's own shape
// (from 1.35 while it has none).
TEST_F(Departments, BuildingSizeOnContinueDiffersBetweenThePrograms) {
    for (Program program : {Program::storeymany, Program::storeyone}) {
        for (double ratio : {0.0, 2.0}) {
            for (double width : {0.0, 10.0}) {
                m.program = program;
                setproblem({"Press", "Weld"}, {300, 375});
                m.datasource = "d";
                m.lwratio = ratio;
                m.layoutwidth = width;
                m.layoutlength = 4 * width;
                openfrommenu([](mainfrm& f) { f.okbut.press(); });
                const double shape = program == Program::storeymany ? 1.35
                                     : ratio != 0                   ? ratio
                                     : width != 0                   ? 4
                                                                    : 1.35;
                EXPECT_EQ(m.layoutwidth.num(), std::sqrt(675 / shape));
                EXPECT_EQ(m.layoutlength.num(), std::sqrt(675 / shape) * shape);
            }
        }
    }
}

// Receiving 120 -> 600 in storeyone's workshop: the building follows the
// total area, so Machining, alone in its band, is centred on half its length.
TEST_F(Departments, StoreyoneBuildingFollowsAnAreaChange) {
    m.program = Program::storeyone;
    m.problemfile = MARQUETA_SOURCE_DIR "/examples/WORKSHOP";
    ASSERT_TRUE(m.loadproblemfile());
    m.datasource = "d";
    openfrommenu([](mainfrm& f) {
        f.areatxt[0].type("600");
        f.okbut.press();
    });
    ASSERT_EQ(m.totalarea, 1680);
    const double w = m.layoutwidth, l = m.layoutlength;
    EXPECT_NEAR(w * l, 1680, 1e-9);
    EXPECT_NEAR(l / w, 1.35, 1e-12);
    m.zoneleft = {0, 1, 2, 0, 3, 0, 0, 4, 5, 6};
    for (int k = 1; k <= 9; ++k)
        m.zonearea[k] = m.deptarea[m.zoneleft[k]];
    m.evallayout();
    EXPECT_DOUBLE_EQ(m.centroidx[3], l / 2);
    EXPECT_DOUBLE_EQ(m.centroidx[6], l * (1 - 140.0 / 580 / 2));
}

TEST_F(Departments, NegativeTotalAreaGivesNoBuilding) {
    expectroadafterContinue();
    driver.on<mainfrm>("mainfrm", [](mainfrm& f) {
        f.nmdpttxt[0].type("Press");
        f.areatxt[0].type("-40");
        f.okbut.press();
    });
    mainfrm f;
    f.show_modal();
    EXPECT_EQ(m.deptarea[1].num(), -40);
    EXPECT_EQ(m.layoutwidth.num(), 0);
    EXPECT_EQ(m.layoutlength.num(), 0);
}

TEST_F(Departments, LoadedProblemFillsTheRowsAndUpdatesSavedZoneAreas) {
    setproblem({"Press", "Weld", "Finished Goods Warehouse and Dispatch"}, {100, 200, 300.5});
    m.datasource = "d";
    m.problemfile = "/work/SHOP";
    m.nsavedlayouts = 2;
    m.savedzoneleft[1][2] = 1;
    m.savedzoneright[1][2] = 3;
    m.savedzoneleft[2][1] = 0;
    m.savedzoneright[2][1] = 99; // no such department: counts as area 0
    expectroadafterContinue();
    driver.on<mainfrm>("mainfrm", [&](mainfrm& f) {
        EXPECT_EQ(f.datafilelbl.caption(), "/work/SHOP");
        EXPECT_EQ(f.nmdpttxt[2].cursorPosition(), 0); // a long name shows its start
        EXPECT_EQ(f.areatxt[2].text(), "300.5");
        EXPECT_EQ(f.totaltxt.text(), "600.5");
        EXPECT_EQ(f.avgtxt.text(), "200.2");
        EXPECT_EQ(f.nmdpttxt[3].text(), "");
        EXPECT_EQ(m.ndept, 3);
        f.areatxt[0].type("150");
        f.okbut.press();
    });
    mainfrm f;
    f.show_modal();
    EXPECT_EQ(m.savedzonearea[1][2].num(), 450.5);
    EXPECT_EQ(m.savedzonearea[2][1].num(), 0);
}

// Tab goes through the rows name, area, next row's name, passing over the row
// numbers and the results; the buttons beside the rows come after the last row.
TEST_F(Departments, TabGoesAlongEachRowThenToTheButtons) {
    driver.on<mainfrm>("mainfrm", [](mainfrm& f) {
        std::vector<std::string> expected;
        for (int r = 0; r < 18; ++r) {
            const std::string row = "(" + std::to_string(r) + ")";
            if (r > 0) expected.push_back("nmdpttxt" + row);
            expected.push_back("areatxt" + row);
        }
        expected.insert(expected.end(), {"okbut", "backbut", "prntbut", "nmdpttxt(0)"});
        EXPECT_EQ(tabfrom(f.nmdpttxt[0], int(expected.size())), expected);
        f.backbut.press();
    });
    mainfrm f;
    f.show_modal();
}

} // namespace
