// The score vector and the per-department scores.
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"
#include "tests/problem/definition.h"

namespace {

using Scores = Definition;

TEST_F(Scores, CodesAreStoredAsTypedAndDefaultsComeBack) {
    setproblem({"Press"}, {1});
    driver.on<svectfrm>("svectfrm", [&](svectfrm& f) {
        EXPECT_EQ(f.caption(), "Score Vector");
        EXPECT_EQ(f.kodetxt[5].text(), "X");
        EXPECT_EQ(f.scortxt[5].text(), "-10");
        EXPECT_EQ(f.codelbl[3].caption(), "Ordinary Importance");
        m.relcode[1] = "Q";
        f.restorebut.press();
        EXPECT_EQ(f.kodetxt[0].text(), "A");
        EXPECT_EQ(m.relcode[1], Cell("A"));
        f.kodetxt[0].type("b ");
        f.scortxt[0].type("12.5");
        f.scortxt[1].type("many");
        f.scortxt[2].type("1e3");
        f.scortxt[3].type("2.5E3");
        f.scortxt[4].type("1e999");
        f.okbut.press();
    });
    svectfrm f;
    f.show_modal();
    EXPECT_EQ(m.relcode[1], Cell("b "));
    EXPECT_EQ(m.relweight[1].num(), 12.5);
    EXPECT_EQ(m.relweight[2].num(), 0);
    EXPECT_EQ(m.relweight[3].num(), 1000);
    EXPECT_EQ(m.relweight[4].num(), 2500);
    EXPECT_EQ(m.relweight[5].num(), 0);
}

TEST_F(Scores, DepartmentScoresFromTheChart) {
    setproblem({"Press", "Weld", "Paint"}, {1, 1, 1});
    m.relchart[1][2] = "A";
    m.relchart[1][3] = "E";
    m.relchart[2][3] = "X";
    driver.on<svect2frm>("svect2frm", [&](svect2frm& f) {
        EXPECT_EQ(f.nmdpttxt[2].text(), "Paint");
        EXPECT_EQ(f.itxt[2].text(), "3");
        EXPECT_EQ(f.dscortxt[0].text(), "15");
        EXPECT_EQ(f.dscortxt[1].text(), "0");
        EXPECT_EQ(f.dscortxt[2].text(), "-5");
        EXPECT_TRUE(f.dscortxt[2].visible());
        EXPECT_FALSE(f.dscortxt[3].visible());
        EXPECT_FALSE(f.nmdpttxt[17].visible());
        f.okbut.press();
    });
    svect2frm f;
    f.show_modal();
    EXPECT_EQ(m.problementered.num(), 1);
    EXPECT_EQ(m.maxadjscore, 15);
}

// A code box left empty stands for no letter: the empty cells of a full chart
// are not counted and no list runs past its end.
TEST_F(Scores, EmptyCodeMatchesNothing) {
    std::vector<std::string> names;
    for (int i = 1; i <= 18; ++i)
        names.push_back("D" + std::to_string(i));
    setproblem(names, std::vector<double>(18, 10));
    m.relchart[1][2] = "A";
    driver.on<svectfrm>("svectfrm", [](svectfrm& f) {
        f.kodetxt[4].type("");
        f.okbut.press();
    });
    driver.on<svect2frm>("svect2frm", [](svect2frm& f) {
        EXPECT_EQ(f.dscortxt[0].text(), "10");
        EXPECT_EQ(f.dscortxt[17].text(), "0");
        f.okbut.press();
    });
    {
        svectfrm f;
        f.show_modal();
    }
    svect2frm f;
    f.show_modal();
    EXPECT_EQ(m.nrelpairs[1], 1);
    EXPECT_EQ(m.nrelpairs[5], 0);
}

} // namespace
