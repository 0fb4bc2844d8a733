// The chart turned into numbers through the score vector.

#include "model/module1.h"

#include <gtest/gtest.h>

namespace {

// A problem of n departments with the standard codes and scores.
Module1 standardproblem(int n) {
    Module1 m;
    m.ndept = n;
    const char* codes[] = {"A", "E", "I", "O", "U", "X"};
    const int scores[] = {10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k) {
        m.relcode[k] = codes[k - 1];
        m.relweight[k] = scores[k - 1];
    }
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j)
            m.relchart[i][j] = "";
    }
    return m;
}

TEST(ComputeScoreVector, ThreeDepartments) {
    Module1 m = standardproblem(3);
    m.relchart[1][2] = "A";
    m.relchart[1][3] = "E";
    m.relchart[2][3] = "X";
    m.computescorevector();
    EXPECT_EQ(m.relvalue[1][2], 10);
    EXPECT_EQ(m.relvalue[2][1], 10);
    EXPECT_EQ(m.relvalue[1][3], 5);
    EXPECT_EQ(m.relvalue[3][1], 5);
    EXPECT_EQ(m.relvalue[2][3], -10);
    EXPECT_EQ(m.relvalue[3][2], -10);
    EXPECT_EQ(m.nrelpairs[1], 1);
    EXPECT_EQ(m.nrelpairs[2], 1);
    EXPECT_EQ(m.nrelpairs[3], 0);
    EXPECT_EQ(m.nrelpairs[6], 1);
    EXPECT_EQ(m.relpairs[1][1], 102);
    EXPECT_EQ(m.relpairs[2][1], 103);
    EXPECT_EQ(m.relpairs[6][1], 203);
    EXPECT_EQ(m.relvaluelist[1], 10);
    EXPECT_EQ(m.relvaluelist[2], 5);
    EXPECT_EQ(m.relvaluelist[3], -10);
    EXPECT_EQ(m.maxadjscore, 15);
    EXPECT_EQ(m.deptscore[1], 15);
    EXPECT_EQ(m.deptscore[2], 0);
    EXPECT_EQ(m.deptscore[3], -5);
    EXPECT_EQ(m.problementered, Cell(1));
}

TEST(ComputeScoreVector, CodesMatchExactlyAndUnmatchedPairsHaveNoValue) {
    Module1 m = standardproblem(3);
    m.relvalue[1][2] = m.relvalue[2][1] = 7; // from an earlier letter
    m.relvalue[3][1] = 4;                    // a cell the scan never rates
    m.relvalue[2][2] = 3;
    m.relchart[1][2] = "a";
    m.relchart[1][3] = "A ";
    m.relchart[2][3] = Cell::empty();
    m.computescorevector();
    for (int k = 1; k <= 6; ++k)
        EXPECT_EQ(m.nrelpairs[k], 0);
    EXPECT_EQ(m.relvalue[1][2], 0);
    EXPECT_EQ(m.relvalue[2][1], 0);
    EXPECT_EQ(m.relvalue[3][1], 0); // cleared with its pair (1, 3)
    EXPECT_EQ(m.relvalue[2][2], 3); // the diagonal stays as it is
    EXPECT_EQ(m.deptscore[1], 0);
    EXPECT_EQ(m.deptscore[2], 3);
    EXPECT_EQ(m.maxadjscore, 0.001);

    // A changed code makes its letter count as that class.
    m.relcode[4] = "a";
    m.computescorevector();
    EXPECT_EQ(m.nrelpairs[4], 1);
    EXPECT_EQ(m.relpairs[4][1], 102);
    EXPECT_EQ(m.relvalue[2][1], 1);
    EXPECT_EQ(m.maxadjscore, 1);
}

TEST(ComputeScoreVector, NoPositiveScoreGivesTheSmallestMaximum) {
    Module1 m = standardproblem(2);
    m.relchart[1][2] = "A";
    for (int k = 1; k <= 6; ++k)
        m.relweight[k] = -k;
    m.computescorevector();
    EXPECT_EQ(m.relvalue[1][2], -1);
    EXPECT_EQ(m.maxadjscore, 0.001);
}

TEST(ComputeScoreVector, EmptyCodesMatchNothingAndNoListOverflows) {
    // Eighteen departments, every cell of both triangles rated: the scan meets
    // 306 letters, more than any list holds.
    Module1 m = standardproblem(18);
    for (int i = 1; i <= 18; ++i) {
        for (int j = 1; j <= 18; ++j)
            m.relchart[i][j] = i == j ? Cell("") : Cell("E");
    }
    m.relcode[1] = "";
    m.relcode[3] = Cell::empty();
    m.computescorevector();
    EXPECT_EQ(m.nrelpairs[1], 0);
    EXPECT_EQ(m.nrelpairs[3], 0);
    EXPECT_EQ(m.nrelpairs[2], 162);
    EXPECT_EQ(m.relpairs[2][162], 1009); // nine rows of 17, then (10, 1)..(10, 9)
    EXPECT_EQ(m.relvaluelist[153], 5);
    EXPECT_EQ(m.maxadjscore, 5 * 162);
    EXPECT_EQ(m.relvalue[18][17], 5);
    EXPECT_EQ(m.deptscore[1], 5 * 17);
}

} // namespace
