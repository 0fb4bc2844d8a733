// Distance matrix, relationship-distance score and product movement.

#include "model/module1.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

struct Point {
    double x, y;
};

// Departments placed at the given centroids, as an evaluation leaves them;
// pairs rated through rate() in class order.
void setcentroids(Module1& m, const std::vector<Point>& at) {
    m.ndept = int(at.size());
    for (int d = 1; d <= m.ndept; ++d) {
        m.centroidx[d] = at[d - 1].x;
        m.centroidy[d] = at[d - 1].y;
        m.deptplaced[d] = 1;
    }
}

void rate(Module1& m, int i, int j, double score) {
    m.relvalue[i][j] = score;
    m.relvalue[j][i] = score;
    m.nrelpairs[1] += 1; // the class does not matter here, only the count
    m.relvaluelist[m.nrelpairs[1]] = score;
}

TEST(CalcDeptDistances, TwoDepartmentsGiveOnePairAndScoreOne) {
    Module1 m;
    setcentroids(m, {{1, 2}, {4, 0.5}});
    rate(m, 1, 2, 10);
    m.calcdeptdistances();
    EXPECT_EQ(m.npairs, 1);
    EXPECT_EQ(m.distmatrix[1][2], 4.5);
    EXPECT_EQ(m.rscore, 45);
    EXPECT_EQ(m.lowerbound, 45);
    EXPECT_EQ(m.upperbound, 45 + 0.001);
    EXPECT_EQ(m.reldist, 1);

    // So large a score that the 0.001 is lost: R on both bounds still scores 1.
    m.relvalue[1][2] = m.relvalue[2][1] = m.relvaluelist[1] = 1e20;
    m.calcdeptdistances();
    EXPECT_EQ(m.upperbound, m.lowerbound);
    EXPECT_EQ(m.reldist, 1);
}

TEST(CalcDeptDistances, SymmetricWithZeroDiagonalAndSortedList) {
    Module1 m;
    setcentroids(m, {{0, 0}, {5, 5}, {1, 0}, {2, 1}});
    m.distmatrix[2][2] = 9;
    m.calcdeptdistances();
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(m.distmatrix[i][i], 0);
        for (int j = 1; j <= 4; ++j)
            EXPECT_EQ(m.distmatrix[i][j], m.distmatrix[j][i]);
    }
    EXPECT_EQ(m.distmatrix[1][2], 10);
    EXPECT_EQ(m.distmatrix[2][4], 7);
    EXPECT_EQ(m.npairs, 6);
    // Pair order (1,2) 10, (1,3) 1, (1,4) 3, (2,3) 9, (2,4) 7, (3,4) 2, sorted.
    EXPECT_EQ(std::vector<double>(m.distlist.begin() + 1, m.distlist.begin() + 7),
              (std::vector<double>{1, 2, 3, 7, 9, 10}));
}

TEST(RelDistScore, BoundsPairSortedDistancesWithTheScoresInClassOrder) {
    Module1 m;
    setcentroids(m, {{0, 0}, {1, 0}, {0, 2}});
    // Distances (1,2) 1, (1,3) 2, (2,3) 3 rising with the class order: R at
    // its lower bound.
    rate(m, 1, 2, 10);
    rate(m, 1, 3, 5);
    rate(m, 2, 3, 2);
    m.calcdeptdistances();
    EXPECT_EQ(m.rscore, 10 * 1 + 5 * 2 + 2 * 3);
    EXPECT_EQ(m.lowerbound, 26);
    EXPECT_EQ(m.upperbound, 10 * 3 + 5 * 2 + 2 * 1);
    EXPECT_EQ(m.reldist, 1);

    // The A pair farthest apart and the I pair nearest: R at its upper bound.
    setcentroids(m, {{0, 0}, {2, 1}, {2, 0}});
    m.calcdeptdistances();
    EXPECT_EQ(m.rscore, 42);
    EXPECT_EQ(m.reldist, 0);
}

TEST(RelDistScore, PairsWithoutALetterCountZeroInTheBounds) {
    Module1 m;
    setcentroids(m, {{0, 0}, {1, 0}, {0, 2}});
    rate(m, 1, 3, 10);      // one rated pair; (1,2) and (2,3) carry no letter
    m.relvaluelist[2] = 99; // left from an earlier, larger chart
    m.relvaluelist[3] = -99;
    m.calcdeptdistances();
    EXPECT_EQ(m.rscore, 20);
    EXPECT_EQ(m.lowerbound, 10); // nearest distance 1 with the one score
    EXPECT_EQ(m.upperbound, 30); // farthest distance 3 with it
    EXPECT_EQ(m.reldist, 0.5);

    // No rated pair at all: both bounds 0, raised by 0.001.
    m.nrelpairs = {};
    m.relvalue[1][3] = m.relvalue[3][1] = 0;
    m.reldistscore();
    EXPECT_EQ(m.lowerbound, 0);
    EXPECT_EQ(m.upperbound, 0.001);
    EXPECT_EQ(m.reldist, 1);
}

// A chart of letters scored through the default codes, as the score vector does.
void setchart(Module1& m, const std::vector<std::array<int, 3>>& letters,
              const std::array<double, 7>& weights) {
    for (int k = 1; k <= 6; ++k) {
        m.relcode[k] = std::string(1, "?AEIOUX"[k]);
        m.relweight[k] = weights[k];
    }
    m.relchart = {};
    for (const auto& [i, j, k] : letters)
        m.relchart[i][j] = m.relcode[k];
    m.computerelvalues();
}

TEST(RelDistScore, BoundsTakeEveryPairsScoreHighestFirst) {
    Module1 m;
    // Sorted distances 1, 1, 2, 10, 11, 12; the A pair 10 apart, the X pair 1.
    setcentroids(m, {{2, 0}, {12, 0}, {0, 0}, {1, 0}});
    setchart(m, {{1, 2, 1}, {3, 4, 6}}, {0, 10, 5, 2, 1, 0, -10});
    m.calcdeptdistances();
    EXPECT_EQ(m.lowerbound, 1 * 10 - 12 * 10); // 0 while the X pair came second
    EXPECT_EQ(m.upperbound, 12 * 10 - 1 * 10);
    EXPECT_EQ(m.reldist, 1 - (90 - -110.0) / 220);

    // Scores that do not fall from A to X: the O pair, scored 100, farthest
    // apart at 12 and the A pair, scored 0, at 10. Sorted by value the O
    // score pairs with the extreme distances, and R lies between the bounds.
    setchart(m, {{1, 2, 1}, {2, 3, 4}}, {0, 0, 5, 2, 100, 0, -10});
    m.calcdeptdistances();
    EXPECT_EQ(m.rscore, 1200);
    EXPECT_EQ(m.lowerbound, 1 * 100);
    EXPECT_EQ(m.upperbound, 12 * 100);
    EXPECT_EQ(m.reldist, 0);
}

TEST(RelDistScore, StoresOnlyWhenAskedAndOnlyInsideTheTable) {
    Module1 m;
    setcentroids(m, {{0, 0}, {3, 0}});
    rate(m, 1, 2, 10);
    m.curlayout = 2;
    m.calcdeptdistances();
    EXPECT_EQ(m.savedreldist[2], 0);
    EXPECT_EQ(m.savedrscore[2], 0);

    m.storescores = 1;
    m.calcdeptdistances();
    EXPECT_EQ(m.savedreldist[2], 1);
    EXPECT_EQ(m.savedrscore[2], 30);

    m.curlayout = 24; // past the storage: nothing is written anywhere
    m.calcdeptdistances();
    EXPECT_EQ(m.reldist, 1);
}

TEST(ComputeFlowDistanceScore, ProductMovementWithProductData) {
    Module1 m;
    setcentroids(m, {{0, 0}, {2, 0}, {2, 3}});
    m.flowmatrix[1][2] = 10;
    m.flowmatrix[1][3] = 4;
    m.flowmatrix[2][3] = Cell::empty(); // reads as 0
    m.prodflag = 1;
    m.curlayout = 1;
    m.adjscore = 17;
    m.calcdeptdistances();
    EXPECT_EQ(m.flowdist[1][2], 20);
    EXPECT_EQ(m.flowdist[1][3], 20);
    EXPECT_EQ(m.flowdist[2][3], 0);
    EXPECT_EQ(m.maxflowdist, 20);
    EXPECT_EQ(m.savedprodmove[1], Cell(40.0));
    EXPECT_EQ(m.adjscore, 0);
}

TEST(ComputeFlowDistanceScore, WithoutProductDataTheEntryIsLeftWithoutANumber) {
    Module1 m;
    setcentroids(m, {{0, 0}, {2, 0}});
    m.flowmatrix[1][2] = 10;
    m.flowdist[1][2] = 3;
    m.maxflowdist = 3;
    m.savedprodmove[4] = 55;
    m.prodflag = 0;
    m.curlayout = 4;
    m.adjscore = 17;
    m.computeflowdistancescore();
    EXPECT_TRUE(m.savedprodmove[4].isempty());
    EXPECT_EQ(m.flowdist[1][2], 3);
    EXPECT_EQ(m.maxflowdist, 3);
    EXPECT_EQ(m.adjscore, 0);
}

} // namespace
