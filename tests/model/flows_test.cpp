// Flow matrix, chart from flows, chart backup and restore.

#include "model/module1.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

Module1 problem(int n) {
    Module1 m;
    m.ndept = n;
    const char* codes[] = {"A", "E", "I", "O", "U", "X"};
    for (int k = 1; k <= 6; ++k)
        m.relcode[k] = codes[k - 1];
    for (int i = 1; i <= 18; ++i) {
        for (int j = 1; j <= 18; ++j)
            m.flowmatrix[i][j] = m.addflowmatrix[i][j] = 0;
    }
    return m;
}

// Product p with unit load u and the given routing, appended to prodvec.
void addproduct(Module1& m, double u, const std::vector<int>& routing) {
    const int p = int(m.nprod.whole()) + 1;
    const int start = int(m.prodvectotal.whole()) + 1;
    m.nprod = p;
    m.uload[p] = u;
    m.prodvecstart[p] = start;
    m.prodveclen[p] = int(routing.size());
    for (std::size_t s = 0; s < routing.size(); ++s)
        m.prodvec[start + s] = routing[s];
    m.prodvectotal = start + int(routing.size()) - 1;
}

std::vector<std::string> chartrow(const Module1& m) {
    std::vector<std::string> letters;
    for (int i = 1; i <= m.ndept; ++i) {
        for (int j = i + 1; j <= m.ndept; ++j)
            letters.push_back(m.relchart[i][j].str());
    }
    return letters;
}

TEST(RelChartFromFlow, FifthsOfTheLargestFlow) {
    Module1 m = problem(4);
    const double flows[] = {0, 10, 20, 30, 40, 50};
    int n = 0;
    for (int i = 1; i <= 4; ++i) {
        for (int j = i + 1; j <= 4; ++j)
            m.flowmatrix[i][j] = flows[n++];
    }
    m.buildflowmatrix();
    EXPECT_EQ(m.maxflow, 50);
    m.relchartfromflow();
    EXPECT_EQ(m.flowthresh[2], 10);
    EXPECT_EQ(m.flowthresh[5], 40);
    EXPECT_EQ(chartrow(m), (std::vector<std::string>{"U", "U", "O", "I", "E", "A"}));

    // The letters come from the current codes.
    m.relcode[1] = "Z";
    m.relchartfromflow();
    EXPECT_EQ(m.relchart[3][4], Cell("Z"));
}

TEST(RelChartFromFlow, NoFlowGivesTheFifthCode) {
    Module1 m = problem(3);
    m.buildflowmatrix();
    m.relchartfromflow();
    EXPECT_EQ(m.maxflow, 0);
    EXPECT_EQ(chartrow(m), (std::vector<std::string>{"U", "U", "U"}));
}

TEST(BuildFlowMatrix, RoutingsFoldAndAddUpOnEveryRun) {
    Module1 m = problem(3);
    addproduct(m, 5, {1, 3, 2});
    m.buildflowmatrix();
    EXPECT_EQ(m.flowmatrix[1][3].num(), 5);
    EXPECT_EQ(m.flowmatrix[2][3].num(), 5);
    EXPECT_EQ(m.flowmatrix[3][2].num(), 0);
    EXPECT_EQ(m.totalflow, 10);
    EXPECT_EQ(m.sumsqflow, 50);
    EXPECT_EQ(m.maxflow, 5);
    m.buildflowmatrix();
    EXPECT_EQ(m.flowmatrix[1][3].num(), 10);
    EXPECT_EQ(m.flowmatrix[2][3].num(), 10);
    EXPECT_EQ(m.totalflow, 20);
    EXPECT_EQ(m.maxflow, 10);
}

TEST(BuildFlowMatrix, TypedLoadsAloneStayAndAdditionsAddUp) {
    Module1 m = problem(3);
    m.flowmatrix[1][2] = 7;
    m.flowmatrix[2][3] = 3;
    for (int run = 0; run < 3; ++run)
        m.buildflowmatrix();
    EXPECT_EQ(m.flowmatrix[1][2].num(), 7);
    EXPECT_EQ(m.flowmatrix[2][3].num(), 3);
    EXPECT_EQ(m.totalflow, 10);
    EXPECT_EQ(m.sumsqflow, 58);

    m.addflowmatrix[1][3] = 2;
    m.buildflowmatrix();
    m.buildflowmatrix();
    EXPECT_EQ(m.flowmatrix[1][3].num(), 4);
}

TEST(BuildFlowMatrix, StepsOutsideTheTablesAddNothing) {
    Module1 m = problem(18);
    addproduct(m, 1, {0, 19, -1, 2, 2, 7, 1000});
    addproduct(m, 1, {4, 5});
    m.prodvec[m.prodvecstart[2].whole() + 1] = 5.5; // no department
    m.nprod = 4;
    m.prodvecstart[3] = 399; // runs past the end of prodvec
    m.prodveclen[3] = 10;
    m.prodvec[399] = 3;
    m.prodvec[400] = 4;
    m.prodvecstart[4] = -5000;
    m.prodveclen[4] = 1e12;
    m.uload[3] = 2;
    m.uload[4] = 1;
    m.buildflowmatrix();
    // Product 4 runs over the whole vector and repeats the moves of products 1 and 3.
    EXPECT_EQ(m.flowmatrix[2][2].num(), 2); // the diagonal takes the move but is never folded
    EXPECT_EQ(m.flowmatrix[2][7].num(), 2);
    EXPECT_EQ(m.flowmatrix[4][5].num(), 0);
    EXPECT_EQ(m.flowmatrix[3][4].num(), 3);
    EXPECT_EQ(m.totalflow, 5);
}

TEST(ChartBackup, RestoreBringsBackTheTypedChart) {
    Module1 m = problem(3);
    std::vector<std::string> shown;
    m.showwindow = [&shown](std::string_view name) { shown.emplace_back(name); };
    m.relchart[1][2] = "A";
    m.relchart[1][3] = "e";
    m.relchart[2][3] = Cell::empty();
    m.backuprelchart();
    EXPECT_EQ(m.relchartbackup[0], Cell(3));

    // Switch to the chart from flows, edit it, add a department.
    m.relfromflow = 1;
    m.flowmatrix[1][2] = 9;
    m.buildflowmatrix();
    m.relchartfromflow();
    m.relchart[1][3] = "X";
    m.ndept = 4;
    m.relchart[3][4] = "O";
    m.backuprelchart(); // left alone while the chart comes from flows

    m.restorerelchart();
    EXPECT_EQ(m.relfromflow, 0);
    EXPECT_EQ(m.ndept, 4); // the added department stays, its pairs unrated
    EXPECT_EQ(m.relchart[1][2], Cell("A"));
    EXPECT_EQ(m.relchart[1][3], Cell("e"));
    EXPECT_TRUE(m.relchart[2][3].isempty());
    EXPECT_EQ(m.relchart[3][4], Cell(""));
    EXPECT_EQ(shown, (std::vector<std::string>{"relfrm", "svectfrm", "svect2frm"}));
    EXPECT_EQ(m.relclassstart[2], 2); // pair lists rebuilt: (1, 2) A, (1, 3) E
    EXPECT_EQ(m.relclasspairs[2][2], 3);
}

TEST(ChartBackup, ARemovedDepartmentStaysRemoved) {
    Module1 m = problem(4);
    const char* letters[] = {"A", "E", "I", "O", "U", "X"}; // (1,2) (1,3) (1,4) (2,3) (2,4) (3,4)
    int k = 0;
    for (int i = 1; i <= 4; ++i)
        for (int j = i + 1; j <= 4; ++j)
            m.relchart[i][j] = letters[k++];
    m.backuprelchart();
    m.relfromflow = 1;
    m.relchart[2][3] = "U";
    m.ndept = 3;
    m.restorerelchart();
    EXPECT_EQ(m.ndept, 3);
    EXPECT_EQ(chartrow(m), (std::vector<std::string>{"A", "E", "O"}));
}

TEST(ChartBackup, ACountNoBackupHoldsStaysInsideTheTables) {
    for (const Cell& count : {Cell(40), Cell(-3), Cell(1e300), Cell("x")}) {
        Module1 m = problem(3);
        m.relchartbackup[0] = count;
        m.restorerelchart();
        EXPECT_GE(m.ndept, 0);
        EXPECT_LE(m.ndept, maxdept);
    }
}

// The additions count once however often the chart switches; a change
// names a pair i < j of the tables or changes nothing.
TEST(FlowsFromLoads, AdditionsCountOnceAndOnlyPairsChange) {
    Module1 m = problem(3);
    m.addflowmatrix[1][3] = 2;
    m.buildflowsfromloads();
    m.buildflowsfromloads();
    EXPECT_EQ(m.flowmatrix[1][3].num(), 2);
    const auto flows = m.flowmatrix;
    const auto loads = m.heldloads;
    for (const auto& [i, j] : {std::pair{0, 2}, {3, 3}, {3, 2}, {2, 19}})
        m.changeload(i, j, 9);
    EXPECT_EQ(m.flowmatrix, flows);
    EXPECT_EQ(m.heldloads, loads);
}

// Only a file read in full starts the problem on its own chart.
TEST(ChartBackup, ANewProblemStartsOnItsOwnStandardChart) {
    Module1 m = problem(2);
    m.relchart[1][2] = "E";
    m.relfromflow = m.chartsource = m.loadsheld = 1;
    m.problemfile = "/no/such/marqueta/file";
    m.showmessage = [](std::string_view) {};
    EXPECT_FALSE(m.loadproblemfile());
    EXPECT_EQ(m.relfromflow + m.chartsource + m.loadsheld, 3);

    m.usestandardchart();
    EXPECT_EQ(m.relfromflow + m.chartsource + m.loadsheld, 0);
    EXPECT_EQ(m.relchartbackup[0], Cell(2));
    EXPECT_EQ(m.relchartbackup[1], Cell("E"));
}

} // namespace
