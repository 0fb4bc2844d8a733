// The material-handling load chart.
#include "problem/editfrm.h"
#include "problem/flowfrm.h"
#include "problem/mainmenufrm.h"
#include "tests/problem/definition.h"

namespace {

class Loads : public Definition {
protected:
    void SetUp() override {
        Definition::SetUp();
        setproblem({"Press", "Weld", "Paint"}, {1, 1, 1});
    }
};

TEST_F(Loads, LoadsShowRoundedAndZeroShowsEmpty) {
    m.program = Program::storeymany;
    m.flowmatrix[3][1] = 4; // the lower triangle is never written
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) {
        EXPECT_EQ(f.caption(), "Flow Form");
        EXPECT_EQ(f.titlelbl.caption(), "MATERIAL HANDLING LOAD CHART");
        EXPECT_EQ(visibleboxes(f.chart), (std::vector<int>{0, 1, 17}));
        EXPECT_EQ(f.chart.Label2.count(), 17);
        f.chart.pair(1, 2).type("12.6");
        f.chart.pair(1, 3).type("0");
        f.chart.pair(2, 3).type("-4");
        f.okbut.press();
    });
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) {
        EXPECT_EQ(f.chart.pair(1, 2).text(), "13");
        EXPECT_EQ(f.chart.pair(1, 3).text(), "");
        EXPECT_EQ(f.chart.pair(2, 3).text(), "-4");
        f.Cancel.press();
    });
    for (int k = 0; k < 2; ++k) {
        flowfrm f;
        f.show_modal();
    }
    EXPECT_EQ(m.flowmatrix[1][2].num(), 12.6);
    EXPECT_EQ(m.flowmatrix[3][1].num(), 4);
    // storeymany stores the loads only.
    EXPECT_EQ(m.chartsource, 0);
}

// In storeyone Continue turns the material-handling chart on and says so on
// the edit menu and the main menu below it, once a load was typed, 0 too. A
// chart confirmed as it opened changes nothing.
TEST_F(Loads, StoreyoneContinueSwitchesTheChartLabels) {
    m.program = Program::storeyone;
    m.problementered = 1;
    m.prodflag = 0;
    driver.on<mainmenufrm>("mainmenufrm", [&](mainmenufrm& menu) {
        menu.Editbut.press();
        EXPECT_EQ(menu.useprodflowlbl.caption(), "Using material handling relationship chart");
        menu.quitbut.press();
    });
    driver.on<editfrm>("editfrm", [this](editfrm& f) {
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using standard relationship chart");
        f.prodbut.press();
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using standard relationship chart");
        EXPECT_EQ(m.prodflag, 0);
        f.prodbut.press();
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using material handling relationship chart");
        f.backbut.press();
    });
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) { f.okbut.press(); });
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) {
        f.chart.pair(2, 3).type("0");
        f.okbut.press();
    });
    mainmenufrm menu;
    menu.show_modal();
    EXPECT_EQ(m.chartsource, 1);
    EXPECT_EQ(m.prodflag, 1);
    EXPECT_EQ(m.newchart, 0);
    // Only the loads were stored; the letters are untouched.
    EXPECT_EQ(m.relchart[1][2], Cell(""));
}

// A new problem's chart opens empty and Cancel stores nothing. Otherwise the
// chart shows the flows in use, rounded: a box the user changes stores what
// was typed, which the next switch builds; a box left as it opened keeps its
// flow exactly, and is never refused.
TEST_F(Loads, OnlyAChangedBoxStoresWhatWasTypedAndIsBuiltFromAtTheNextSwitch) {
    m.program = Program::storeyone;
    m.flowmatrix[1][2] = 7;
    m.flowmatrix[1][3] = 2.4;
    m.addflowmatrix[1][2] = 5.3;
    m.buildflowsfromloads();
    m.newchart = 1;
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) {
        EXPECT_EQ(f.chart.pair(1, 2).text(), "");
        f.chart.pair(1, 2).type("5");
        f.Cancel.press();
    });
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) {
        EXPECT_EQ(f.chart.pair(1, 2).text(), "12");
        EXPECT_EQ(f.chart.pair(1, 3).text(), "2");
        f.chart.pair(2, 3).type("30.4");
        f.okbut.press();
    });
    for (int k = 0; k < 2; ++k) {
        flowfrm f;
        f.show_modal();
        EXPECT_EQ(m.flowmatrix[1][2].num(), 12.3);
        EXPECT_EQ(m.newchart, 1 - k);
        m.newchart = 0;
    }
    EXPECT_EQ(m.flowmatrix[1][3].num(), 2.4);
    EXPECT_EQ(m.heldloads[1][2].num(), 7);
    EXPECT_EQ(m.flowmatrix[2][3].num(), 30.4);

    // Confirmed again untouched, the typed decimals stay; a box changed
    // below the routings' and additions' share is refused.
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) {
        EXPECT_EQ(f.chart.pair(2, 3).text(), "30");
        f.okbut.press();
    });
    driver.on<flowfrm>("flowfrm", [](flowfrm& f) {
        f.chart.pair(1, 2).type("5.2");
        f.okbut.press();
        f.Cancel.press();
    });
    for (int k = 0; k < 2; ++k) {
        flowfrm f;
        f.show_modal();
    }
    EXPECT_EQ(driver.messages(),
              (std::vector<std::string>{"The flow between departments 1 and 2 can be no less "
                                        "than 5.3, what the products' routings and the "
                                        "additions give it."}));
    EXPECT_EQ(m.flowmatrix[2][3].num(), 30.4);
    m.buildflowsfromloads();
    EXPECT_EQ(m.flowmatrix[1][2].num(), 12.3);
    EXPECT_EQ(m.flowmatrix[1][3].num(), 2.4);
    EXPECT_EQ(m.flowmatrix[2][3].num(), 30.4);
}

} // namespace
