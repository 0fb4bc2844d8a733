// The four analysis windows of a displayed layout: the geometry table, the
// adjacency chart, the distance matrix with its scores and the product flow.

#include "singlestory/layoutanalysis1frm.h"
#include "singlestory/layoutanalysis2frm.h"
#include "singlestory/layoutanalysis3frm.h"
#include "singlestory/layoutanalysis4frm.h"
#include "singlestory/pairtable.h"
#include "tests/singlestory/layoutproblem.h"
#include "tests/support/scripted.h"

#include <string>
#include <vector>

namespace {

// ONE and TWO share the top band (10 high), THREE fills the bottom band.
class Analysis : public ScriptedTest {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        setlayoutproblem(m, {{"ONE", 100}, {"TWO", 200}, {"THREE", 300}},
                         {{1, 2, "A"}, {1, 3, "E"}, {2, 3, "X"}});
        placedept(m, 1, 1, 1);
        placedept(m, 2, 1, 2);
        placedept(m, 3, 7, 1);
        m.evallayout();
    }
    // Opens window F and runs the check before closing it with Continue.
    template <typename F> void open(const std::string& name, std::function<void(F&)> check) {
        driver.on<F>(name, [check](F& w) {
            check(w);
            w.okbut.press();
        });
        F w;
        w.show_modal();
    }
    // The visible pair boxes, as (i, j, text).
    static std::vector<std::string> shownpairs(pairchart& chart) {
        std::vector<std::string> out;
        for (int i = 1; i < maxdept; ++i)
            for (int j = i + 1; j <= maxdept; ++j)
                if (!chart.pair(i, j).isHidden())
                    out.push_back(std::to_string(i) + "," + std::to_string(j) + ":" +
                                  chart.pair(i, j).text());
        return out;
    }
    static int visiblecount(const auto& controls) {
        int n = 0;
        for (int k = 0; k < controls.count(); ++k)
            n += controls[k].isHidden() ? 0 : 1;
        return n;
    }
};

TEST_F(Analysis, GeometryTableWithTotals) {
    open<layoutanalysis1frm>("layoutanalysis1frm", [](layoutanalysis1frm& w) {
        const forms::Grid& g = w.layoutgrd;
        EXPECT_EQ(g.rows(), 20);
        EXPECT_EQ(g.cols(), 8);
        const std::vector<std::string> headings = {"Number", "Dept.", "X Cent.", "Y Cent.",
                                                   "Length", "Width", "Area",    "L/W Ratio"};
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(g.textat(0, c), headings[std::size_t(c)]);
        // TWO: area 200 in a band 10 high, centred at x 20 and y 15.
        const std::vector<std::string> two = {" 2",    "TWO",   "20.00",  "15.00",
                                              "20.00", "10.00", "200.00", "2.00"};
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(g.textat(2, c), two[std::size_t(c)]);
        // THREE: 30 long in a band 10 high.
        EXPECT_EQ(g.textat(3, 4), "30.00");
        EXPECT_EQ(g.textat(3, 7), "3.00");
        EXPECT_EQ(g.textat(4, 0), "");
        EXPECT_EQ(g.textat(19, 0), "Totals");
        EXPECT_EQ(g.textat(19, 6), "600.00");
    });
}

TEST_F(Analysis, StoreymanyTableMeasuresTheDrawnRectangle) {
    m.program = Program::storeymany;
    m.layoutlength = 45; // ONE is drawn 150 of 450 pixels wide
    open<layoutanalysis1frm>("layoutanalysis1frm", [](layoutanalysis1frm& w) {
        const forms::Grid& g = w.layoutgrd;
        EXPECT_EQ(g.rows(), 19);
        EXPECT_EQ(g.cols(), 7);
        EXPECT_EQ(g.textat(0, 6), "L/W Ratio");
        EXPECT_EQ(g.textat(1, 4), "15.00");
        EXPECT_EQ(g.textat(1, 5), "10.00");
        EXPECT_EQ(g.textat(1, 6), "1.50");
        EXPECT_EQ(g.textat(18, 0), "");
    });
}

TEST_F(Analysis, AdjacencyChartLowersTheLettersOfPairsApart) {
    setlayoutproblem(m, {{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}}, {});
    const std::vector<Rated> pairs = {{1, 2, "A"}, {1, 3, "E"},  {1, 4, ""},
                                      {2, 3, "a"}, {2, 4, "ab"}, {3, 4, "Xy"}};
    for (const Rated& r : pairs)
        m.relchart[r.i][r.j] = r.letter;
    m.adjmatrix = {};
    m.adjmatrix[1][2] = 1;
    m.adjmatrix[2][4] = 1;
    open<layoutanalysis2frm>("layoutanalysis2frm", [&](layoutanalysis2frm& w) {
        EXPECT_EQ(w.Label1.caption(), "ADJACENCIES SATISFIED");
        EXPECT_EQ(shownpairs(w.chart),
                  (std::vector<std::string>{"1,2:A", "1,3:e", "1,4:", "2,3:a", "2,4:ab", "3,4:x"}));
        EXPECT_EQ(visiblecount(w.chart.jtxt), 3);
        EXPECT_EQ(w.chart.jtxt[0].text(), "2");
        EXPECT_EQ(visiblecount(w.chart.Label2), 3);
        EXPECT_EQ(visiblecount(w.chart.itxt), 4);
        EXPECT_EQ(w.chart.nmdpttxt[3].text(), "D");
    });
    EXPECT_EQ(layoutanalysis2frm::pairletter("\xc3\x89t\xc3\xa9", false), "\xc3\x89");
}

TEST_F(Analysis, DistanceMatrixCellsAndScores) {
    setlayoutproblem(m, {{"A", 1}, {"B", 1}, {"C", 1}, {"D", 1}}, {{1, 2, "A"}});
    const double at[5][2] = {{0, 0}, {0, 0}, {7, 0}, {0, 35}, {1234, 0}};
    for (int d = 1; d <= 4; ++d) {
        m.centroidx[d] = at[d][0];
        m.centroidy[d] = at[d][1];
        m.deptplaced[d] = 1;
    }
    open<layoutanalysis3frm>("layoutanalysis3frm", [](layoutanalysis3frm& w) {
        EXPECT_EQ(w.Label1.caption(), "DISTANCE MATRIX");
        EXPECT_EQ(shownpairs(w.chart),
                  (std::vector<std::string>{"1,2:  7", "1,3: 35", "1,4:1234", "2,3: 42", "2,4:1227",
                                            "3,4:1269"}));
        // A at the shortest distance: R at its lower bound.
        EXPECT_EQ(w.yyscorelbl.caption(), "70.00");
        EXPECT_EQ(w.bboundlbl.caption(), "70.00");
        EXPECT_EQ(w.tboundlbl.caption(), "12690.00");
        EXPECT_EQ(w.relscrlbl.caption(), "1.00");
    });
    EXPECT_EQ(m.npairs, 6);
    EXPECT_EQ(m.distmatrix[4][3], 1269);
    EXPECT_EQ(paircell(6.5), "  7");
    EXPECT_EQ(paircell(-4), " -4");
}

TEST_F(Analysis, ProductFlowWithoutProductDataShowsOnlyHeadings) {
    m.adjscore = 5;
    open<layoutanalysis4frm>("layoutanalysis4frm", [](layoutanalysis4frm& w) {
        EXPECT_TRUE(shownpairs(w.chart).empty());
        EXPECT_EQ(visiblecount(w.chart.itxt), 3);
        EXPECT_EQ(visiblecount(w.chart.jtxt), 2);
        EXPECT_EQ(w.divisortxt.text(), "");
        EXPECT_EQ(w.prodmvtxt.text(), "");
    });
    EXPECT_EQ(m.adjscore, 0);
}

TEST_F(Analysis, ProductFlowDividedByAPowerOfTen) {
    m.prodflag = 1;
    m.storescores = 1;
    m.curlayout = 2;
    m.calcdistmatrix();      // ONE-TWO 15 apart, ONE-THREE 20, TWO-THREE 15
    m.flowmatrix[1][3] = 50; // 1000 load-feet exactly: the divisor stays 10
    m.flowmatrix[2][3] = 2;
    open<layoutanalysis4frm>("layoutanalysis4frm", [](layoutanalysis4frm& w) {
        EXPECT_EQ(shownpairs(w.chart), (std::vector<std::string>{"1,2:  0", "1,3:100", "2,3:  3"}));
        EXPECT_EQ(w.divisortxt.text(), " 10");
        EXPECT_EQ(w.prodmvtxt.text(), "1030");
    });
    EXPECT_EQ(m.maxflowdist, 1000);
    EXPECT_EQ(m.flowscale, 10);
    EXPECT_DOUBLE_EQ(m.savedprodmove[2].num(), 1030);
    m.flowmatrix[1][3] = 50.05;
    open<layoutanalysis4frm>("layoutanalysis4frm", [](layoutanalysis4frm& w) {
        EXPECT_EQ(w.divisortxt.text(), " 100");
        EXPECT_EQ(shownpairs(w.chart)[1], "1,3: 10");
    });
}

TEST_F(Analysis, ADepartmentLeftOutHasNoMeasuresAndNoDistances) {
    // FOUR, added since the layout was made, is on no zone. The building is
    // 10 by 150: ONE, TWO and THREE centred at (25, 9), (100, 9) and (75, 1).
    setlayoutproblem(m, {{"ONE", 100}, {"TWO", 200}, {"THREE", 300}, {"FOUR", 900}},
                     {{1, 2, "A"}, {1, 4, "A"}, {3, 4, "X"}}, 15);
    placedept(m, 1, 1, 1);
    placedept(m, 2, 1, 2);
    placedept(m, 3, 7, 1);
    m.evallayout();
    open<layoutanalysis1frm>("layoutanalysis1frm", [](layoutanalysis1frm& w) {
        const forms::Grid& g = w.layoutgrd;
        const std::vector<std::string> four = {" 4", "FOUR", "", "", "", "", "900.00", ""};
        for (int c = 0; c < 8; ++c)
            EXPECT_EQ(g.textat(4, c), four[std::size_t(c)]);
        EXPECT_EQ(g.textat(3, 2), "75.00");
        EXPECT_EQ(g.textat(19, 6), "1500.00");
    });

    m.prodflag = 1;
    m.flowmatrix[1][2] = 2;
    m.flowmatrix[1][4] = 1000;
    open<layoutanalysis3frm>("layoutanalysis3frm", [](layoutanalysis3frm& w) {
        EXPECT_EQ(
            shownpairs(w.chart),
            (std::vector<std::string>{"1,2: 75", "1,3: 58", "1,4:", "2,3: 33", "2,4:", "3,4:"}));
        EXPECT_EQ(w.yyscorelbl.caption(), "750.00");
    });
    open<layoutanalysis4frm>("layoutanalysis4frm", [](layoutanalysis4frm& w) {
        EXPECT_EQ(
            shownpairs(w.chart),
            (std::vector<std::string>{"1,2: 15", "1,3:  0", "1,4:", "2,3:  0", "2,4:", "3,4:"}));
        EXPECT_EQ(w.prodmvtxt.text(), "150");
    });

    m.program = Program::storeymany;
    open<layoutanalysis1frm>("layoutanalysis1frm", [](layoutanalysis1frm& w) {
        for (int c = 2; c < 7; ++c)
            EXPECT_EQ(w.layoutgrd.textat(4, c), "");
    });
}

TEST(AnalysisDivisor, StepsOnlyAboveEachPowerOfTen) {
    EXPECT_EQ(Module1::flowdivisor(0), 10);
    EXPECT_EQ(Module1::flowdivisor(1000), 10);
    EXPECT_EQ(Module1::flowdivisor(1000.5), 100);
    EXPECT_EQ(Module1::flowdivisor(10000), 100);
    EXPECT_EQ(Module1::flowdivisor(10001), 1000);
    EXPECT_EQ(Module1::flowdivisor(100001), 10000);
    EXPECT_EQ(Module1::flowdivisor(1000001), 100000);
    EXPECT_EQ(Module1::flowdivisor(10000000), 100000);
    EXPECT_EQ(Module1::flowdivisor(1e12), 1000000);
}

} // namespace
