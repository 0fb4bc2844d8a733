// A new problem typed from the keyboard, from the main menu back to it, in
// both programs.
#include "problem/lwratiofrm.h"
#include "problem/mainfrm.h"
#include "problem/mainmenufrm.h"
#include "problem/sourcefrm.h"
#include "tests/problem/definition.h"

namespace {

class KeyboardRoad : public Definition {
protected:
    void typeproblem() {
        driver.on<sourcefrm>("sourcefrm", [](sourcefrm& f) { f.Keybut.press(); });
        driver.on<mainfrm>("mainfrm", [](mainfrm& f) {
            EXPECT_EQ(f.datafilelbl.caption(), "New problem");
            const char* names[] = {"Receive", "Machine", "Assemble"};
            const char* areas[] = {"300", "100", "200"};
            for (int r = 0; r < 3; ++r) {
                f.nmdpttxt[r].type(names[r]);
                f.areatxt[r].type(areas[r]);
            }
            f.okbut.press();
        });
        driver.on<relfrm>("relfrm", [](relfrm& f) {
            EXPECT_EQ(f.chart.pair(1, 2).text(), "");
            f.chart.pair(1, 2).type("A");
            f.chart.pair(1, 3).type("E");
            f.chart.pair(2, 3).type("X");
            f.okbut.press();
        });
        driver.on<svectfrm>("svectfrm", [](svectfrm& f) { f.okbut.press(); });
        driver.on<svect2frm>("svect2frm", [](svect2frm& f) {
            EXPECT_EQ(f.dscortxt[0].text(), "15");
            f.okbut.press();
        });
    }
    void expectproblem() {
        EXPECT_EQ(m.problementered.num(), 1);
        EXPECT_EQ(m.ndept, 3);
        EXPECT_EQ(m.deptname[3], "Assemble");
        EXPECT_EQ(m.totalarea, 600);
        EXPECT_EQ(m.relchart[2][3], Cell("X"));
        EXPECT_EQ(m.maxadjscore, 15);
        EXPECT_EQ(m.deptorder[1], 2); // the smallest department first
    }
};

TEST_F(KeyboardRoad, StoreyoneEndsWithTheRatioWindowAndStaysInTheMenu) {
    m.program = Program::storeyone;
    m.initproblem();
    driver.on<mainmenufrm>("mainmenufrm", [&](mainmenufrm& menu) {
        menu.newprobbut.press();
        EXPECT_TRUE(menu.isopen());
        expectproblem();
        menu.quitbut.press();
    });
    typeproblem();
    driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& f) { f.opt3but.press(); });
    mainmenufrm menu;
    menu.show_modal();
    EXPECT_EQ(m.lwratio.num(), 1);
    EXPECT_EQ(m.layoutwidth, m.layoutlength); // the square building of the chosen ratio
    EXPECT_EQ(driver.opened(),
              (std::vector<std::string>{"mainmenufrm", "sourcefrm", "mainfrm", "relfrm", "svectfrm",
                                        "svect2frm", "lwratiofrm"}));
}

TEST_F(KeyboardRoad, StoreymanyHasNoRatioWindowAndReopensTheMenu) {
    m.program = Program::storeymany;
    m.initproblem();
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& menu) { menu.newprobbut.press(); });
    typeproblem();
    driver.on<mainmenufrm>("mainmenufrm", [&](mainmenufrm& menu) {
        expectproblem();
        menu.quitbut.press();
    });
    mainmenufrm menu;
    menu.show_modal();
    EXPECT_TRUE(m.lwratio.isempty());
    EXPECT_EQ(driver.opened(),
              (std::vector<std::string>{"mainmenufrm", "sourcefrm", "mainfrm", "relfrm", "svectfrm",
                                        "svect2frm", "mainmenufrm"}));
}

} // namespace
