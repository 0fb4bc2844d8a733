// The edit menu: its buttons in each program and the switch between the
// typed chart and the chart from material-handling flows.
#include "problem/editfrm.h"
#include "problem/lwratiofrm.h"
#include "problem/mainfrm.h"
#include "problem/mainmenufrm.h"
#include "problem/sourcefrm.h"
#include "tests/problem/definition.h"

namespace {

using EditMenu = Definition;

TEST_F(EditMenu, StoreymanyOffersDepartmentDataOnly) {
    m.program = Program::storeymany;
    m.problemfile = "/work/SHOP";
    driver.on<editfrm>("editfrm", [](editfrm& f) {
        EXPECT_EQ(f.caption(), "Edit");
        EXPECT_EQ(f.Label1.caption(), "EDIT CURRENT PROBLEM MENU");
        EXPECT_EQ(f.Label2.caption(), "/work/SHOP");
        EXPECT_EQ(f.areabut.caption(), "1.  Adjust Area / Relationship Info");
        EXPECT_EQ(f.lwratiobut.caption(), "2.  Adjust L/W Ratio");
        for (forms::CommandButton* b : {&f.lwratiobut, &f.prodbut, &f.prodflowbut, &f.resrelbut})
            EXPECT_FALSE(b->visible()) << b->caption();
        EXPECT_TRUE(f.areabut.visible());
        f.backbut.press();
    });
    editfrm f;
    f.show_modal();
}

// The building takes the chosen ratio at once.
TEST_F(EditMenu, StoreyoneOpensTheRatioWindowInPlaceOfItself) {
    m.program = Program::storeyone;
    m.totalarea = 200;
    m.layoutwidth = 1;
    m.layoutlength = 1.35;
    driver.on<editfrm>("editfrm", [](editfrm& f) {
        EXPECT_EQ(f.areabut.caption(), "Adjust Area / Relationship Info");
        EXPECT_TRUE(f.resrelbut.visible());
        f.lwratiobut.press();
        EXPECT_FALSE(f.isopen());
    });
    driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& f) { f.opt2but.press(); });
    editfrm f;
    f.show_modal();
    EXPECT_EQ(m.lwratio.num(), 2);
    EXPECT_EQ(m.layoutwidth.num(), 10);
    EXPECT_EQ(m.layoutlength.num(), 20);
}

// Switch to the chart from flows, add a department, then restore: the typed
// letters come back and the added department stays, unrated.
TEST_F(EditMenu, SwitchThenRestoreBringsBackTheTypedChart) {
    m.program = Program::storeyone;
    setproblem({"Press", "Weld", "Paint"}, {100, 100, 100});
    m.relchart[1][2] = "a";
    m.relchart[1][3] = "X";
    m.relchart[2][3] = "";
    m.backuprelchart();
    m.flowmatrix[1][2] = 50;
    m.flowmatrix[2][3] = 10;
    m.datasource = "d";
    m.problementered = 1;

    driver.on<mainmenufrm>("mainmenufrm", [&](mainmenufrm& menu) {
        menu.Editbut.press(); // switch, then the department window
        EXPECT_EQ(menu.useprodflowlbl.caption(), "Using material handling relationship chart");
        menu.Editbut.press(); // restore
        EXPECT_EQ(menu.useprodflowlbl.caption(), "Using standard relationship chart");
        menu.quitbut.press();
    });
    driver.on<editfrm>("editfrm", [](editfrm& f) {
        f.prodflowbut.press();
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using material handling relationship chart");
        f.areabut.press();
    });
    driver.on<relfrm>("relfrm", [](relfrm& f) {
        EXPECT_EQ(f.titlelbl.caption(), "MATERIAL HANDLING RELATIONSHIP CHART");
        EXPECT_EQ(f.chart.pair(1, 2).text(), "A");
        EXPECT_EQ(f.chart.pair(1, 3).text(), "U");
        EXPECT_EQ(f.chart.pair(2, 3).text(), "U");
        f.chart.pair(2, 3).type("E");
        f.okbut.press();
    });
    driver.on<svectfrm>("svectfrm", [](svectfrm& f) { f.okbut.press(); });
    driver.on<svect2frm>("svect2frm", [](svect2frm& f) { f.okbut.press(); });
    driver.on<mainfrm>("mainfrm", [](mainfrm& f) {
        f.nmdpttxt[3].type("Ship");
        f.okbut.press();
    });
    driver.on<relfrm>("relfrm", [](relfrm& f) {
        EXPECT_EQ(f.chart.pair(3, 4).text(), "");
        f.chart.pair(3, 4).type("O");
        f.okbut.press();
    });
    driver.on<svectfrm>("svectfrm", [](svectfrm& f) { f.okbut.press(); });
    driver.on<svect2frm>("svect2frm", [](svect2frm& f) { f.okbut.press(); });
    driver.on<editfrm>("editfrm", [&](editfrm& f) {
        EXPECT_EQ(m.ndept, 4);
        f.resrelbut.press();
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using standard relationship chart");
        f.backbut.press();
    });
    driver.on<relfrm>("relfrm", [](relfrm& f) {
        EXPECT_EQ(f.titlelbl.caption(), "RELATIONSHIP CHART");
        EXPECT_EQ(visibleboxes(f.chart), (std::vector<int>{0, 1, 2, 17, 18, 33}));
        EXPECT_EQ(f.chart.pair(1, 2).text(), "a");
        EXPECT_EQ(f.chart.pair(1, 3).text(), "X");
        EXPECT_EQ(f.chart.pair(2, 3).text(), "");
        EXPECT_EQ(f.chart.pair(3, 4).text(), "");
        f.okbut.press();
    });
    driver.on<svectfrm>("svectfrm", [](svectfrm& f) { f.okbut.press(); });
    driver.on<svect2frm>("svect2frm", [](svect2frm& f) { f.okbut.press(); });

    mainmenufrm menu;
    menu.show_modal();
    EXPECT_EQ(m.ndept, 4);
    EXPECT_EQ(m.relfromflow, 0);
    EXPECT_EQ(m.chartsource, 0);
    EXPECT_EQ(m.relchart[1][3], Cell("X"));
    EXPECT_EQ(m.relchartbackup[0].num(), 4);
    // The scores follow the restored chart: the small a matches no code.
    EXPECT_EQ(m.nrelpairs[1], 0);
    EXPECT_EQ(m.nrelpairs[6], 1);
}

// The chart switch on the example problems, read as New Problem reads them.
class ChartSwitch : public EditMenu {
protected:
    void SetUp() override {
        EditMenu::SetUp();
        m.program = Program::storeyone;
    }
    void load(const std::string& name) {
        m.initproblem();
        m.newchart = 0; // as the input source window sets it for a file
        m.problemfile = MARQUETA_SOURCE_DIR "/examples/" + name;
        ASSERT_TRUE(m.loadproblemfile());
    }
    // One of the edit menu's chart buttons, through the chart and score windows.
    void press(forms::CommandButton editfrm::*button) {
        driver.on<editfrm>("editfrm", [button](editfrm& f) {
            (f.*button).press();
            f.backbut.press();
        });
        confirmchartandscores();
        editfrm f;
        f.show_modal();
    }
};

TEST_F(ChartSwitch, AnotherProblemRestoresItsOwnChart) {
    load("PLANT");
    press(&editfrm::prodflowbut);
    load("WORKSHOP");
    EXPECT_EQ(m.chartsource, 0);
    const auto letters = m.relchart;
    press(&editfrm::resrelbut);
    EXPECT_EQ(m.ndept, 6);
    EXPECT_EQ(m.relchart, letters);

    // A problem begun at the keyboard leaves the chart from flows as well.
    press(&editfrm::prodflowbut);
    driver.on<sourcefrm>("sourcefrm", [](sourcefrm& f) { f.Keybut.press(); });
    driver.on<mainfrm>("mainfrm", [](mainfrm& f) { f.backbut.press(); });
    sourcefrm source;
    source.show_modal();
    EXPECT_EQ(m.relfromflow + m.chartsource + m.loadsheld, 0);
}

TEST_F(ChartSwitch, FlowsAreBuiltOnceHoweverOftenTheChartSwitches) {
    load("PLANT");
    EXPECT_EQ(m.flowmatrix[1][2].num(), 80);
    press(&editfrm::prodflowbut);
    press(&editfrm::resrelbut);
    const auto once = m.flowmatrix;
    EXPECT_EQ(once[1][2].num(), 160);
    press(&editfrm::prodflowbut);
    press(&editfrm::resrelbut);
    EXPECT_EQ(m.flowmatrix, once);
}

} // namespace
