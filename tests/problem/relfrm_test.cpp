// The relationship chart and the triangular pair chart it is built on.
#include "problem/relfrm.h"
#include "tests/problem/definition.h"

namespace {

using Chart = Definition;

TEST(PairChart, BoxesAreNumberedRowByRow) {
    EXPECT_EQ(pairchart::pairbox(1, 2), 0);
    EXPECT_EQ(pairchart::pairbox(1, 18), 16);
    EXPECT_EQ(pairchart::pairbox(2, 3), 17);
    EXPECT_EQ(pairchart::pairbox(3, 4), 33);
    EXPECT_EQ(pairchart::pairbox(17, 18), 152);
    // Every pair has its own box, and every box belongs to a pair.
    std::vector<int> seen;
    for (int i = 1; i <= 17; ++i)
        for (int j = i + 1; j <= 18; ++j)
            seen.push_back(pairchart::pairbox(i, j));
    for (int k = 0; k < int(seen.size()); ++k)
        EXPECT_EQ(seen[std::size_t(k)], k);
}

TEST_F(Chart, FourDepartmentsShowTheirBoxesNumbersAndLeaders) {
    setproblem({"Press", "Weld", "Paint", "Ship"}, {1, 1, 1, 1});
    m.relchart[1][2] = "A";
    m.relchart[3][4] = "x";
    driver.on<relfrm>("relfrm", [&](relfrm& f) {
        EXPECT_EQ(f.caption(), "RELFORM");
        EXPECT_EQ(f.titlelbl.caption(), "RELATIONSHIP CHART");
        EXPECT_EQ(visibleboxes(f.chart), (std::vector<int>{0, 1, 2, 17, 18, 33}));
        EXPECT_EQ(f.chart.pair(1, 2).text(), "A");
        EXPECT_EQ(f.chart.reltxt[33].text(), "x");
        for (int j = 2; j <= 4; ++j) {
            EXPECT_TRUE(f.chart.jtxt[j - 2].visible());
            EXPECT_EQ(f.chart.jtxt[j - 2].text(), std::to_string(j));
        }
        EXPECT_FALSE(f.chart.jtxt[3].visible());
        for (int k = 0; k < 18; ++k)
            EXPECT_EQ(f.chart.Label2[k].visible(), k <= 2) << k;
        EXPECT_EQ(f.chart.itxt[3].text(), "4");
        EXPECT_EQ(f.chart.nmdpttxt[3].text(), "Ship");
        EXPECT_FALSE(f.chart.nmdpttxt[4].visible());
        // Leader lines shorten with the rows: dots only, filling their label.
        const std::string first = f.chart.Label2[0].caption();
        const std::string last = f.chart.Label2[16].caption();
        EXPECT_EQ(first.find_first_not_of('.'), std::string::npos);
        EXPECT_GT(last.size(), 0u);
        EXPECT_GT(first.size(), 15 * last.size());
        f.okbut.press();
    });
    relfrm f;
    f.show_modal();
}

TEST_F(Chart, NewProblemOpensEmptyUntilTheFirstContinue) {
    setproblem({"Press", "Weld", "Paint"}, {1, 1, 1});
    m.relchart[1][2] = "E";
    m.newchart = 1;
    driver.on<relfrm>("relfrm", [&](relfrm& f) {
        EXPECT_EQ(f.chart.pair(1, 2).text(), "");
        f.chart.pair(1, 2).type("a");
        f.chart.pair(1, 3).type("Ex");
        f.okbut.press();
    });
    driver.on<relfrm>("relfrm", [&](relfrm& f) {
        EXPECT_EQ(f.chart.pair(1, 2).text(), "a");
        // Of a longer entry the chart keeps the first character, as the file does.
        EXPECT_EQ(f.chart.pair(1, 3).text(), "E");
        EXPECT_EQ(f.chart.pair(2, 3).text(), " 7");
        f.okbut.press();
    });
    for (int k = 0; k < 2; ++k) {
        relfrm f;
        f.show_modal();
        if (k == 1) break;
        EXPECT_EQ(m.relchart[2][3], Cell(""));
        m.relchart[2][3] = 7; // a number, as only a hand-made file holds
    }
    EXPECT_EQ(m.newchart, 0);
    EXPECT_EQ(m.relchart[1][2], Cell("a"));
    // A box left as it opened keeps what is stored.
    EXPECT_EQ(m.relchart[2][3].kind(), Cell::Kind::Whole);
    // Continue keeps a copy of the typed chart with its department count.
    EXPECT_EQ(m.relchartbackup[0].num(), 3);
    EXPECT_EQ(m.relchartbackup[2], Cell("E"));
}

} // namespace
