// Area order and pair lists by rating.

#include "model/module1.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

std::vector<int> areaorder(Module1& m, const std::vector<double>& areas) {
    m.ndept = int(areas.size());
    for (int i = 1; i <= m.ndept; ++i)
        m.deptarea[i] = areas[i - 1];
    m.sortdeptsbyarea();
    return {m.deptorder.begin() + 1, m.deptorder.begin() + 1 + m.ndept};
}

std::vector<int> places(const Module1& m) {
    return {m.deptorderpos.begin() + 1, m.deptorderpos.begin() + 1 + m.ndept};
}

// The listed pairs as 100 * i + j, in list order.
std::vector<int> listedpairs(const Module1& m, int total) {
    std::vector<int> pairs;
    for (int p = 1; p <= total; ++p) {
        pairs.push_back(100 * m.relclasspairs[1][p] + m.relclasspairs[2][p]);
    }
    return pairs;
}

std::vector<int> starts(const Module1& m) {
    return {m.relclassstart.begin() + 1, m.relclassstart.end()};
}

TEST(SortDeptsByArea, DistinctAreas) {
    Module1 m;
    EXPECT_EQ(areaorder(m, {300, 100, 200}), (std::vector<int>{2, 3, 1}));
    EXPECT_EQ(places(m), (std::vector<int>{3, 1, 2}));
}

TEST(SortDeptsByArea, TiesFollowTheTwoEndedInsertion) {
    Module1 m;
    EXPECT_EQ(areaorder(m, {50, 50, 50}), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(places(m), (std::vector<int>{1, 2, 3}));
    // 4 goes before 2 (equal to the smallest), 5 into the middle before 1,
    // 3 after 1 (equal to the largest).
    EXPECT_EQ(areaorder(m, {100, 50, 100, 50, 75}), (std::vector<int>{4, 2, 5, 1, 3}));
    EXPECT_EQ(places(m), (std::vector<int>{4, 2, 5, 1, 3}));
    // Equal to a department in between: before the first such department.
    EXPECT_EQ(areaorder(m, {10, 90, 50, 50, 50}), (std::vector<int>{1, 5, 4, 3, 2}));
}

TEST(SortDeptsByArea, EighteenDescendingAreasFillTheBufferDownwards) {
    Module1 m;
    std::vector<double> areas;
    for (int i = 1; i <= 18; ++i)
        areas.push_back(100 - i);
    const auto order = areaorder(m, areas);
    for (int k = 1; k <= 18; ++k)
        EXPECT_EQ(order[k - 1], 19 - k);
}

TEST(OrderPairsByRating, ClassesInOrderEitherCase) {
    Module1 m;
    m.ndept = 3;
    m.relchart[1][2] = "x";
    m.relchart[1][3] = "A";
    m.relchart[2][3] = "e";
    m.orderpairsbyrating();
    EXPECT_EQ(listedpairs(m, 3), (std::vector<int>{103, 203, 102}));
    EXPECT_EQ(starts(m), (std::vector<int>{1, 2, 3, 3, 3, 3}));
}

TEST(OrderPairsByRating, OnlyTheTwelveLettersAreListed) {
    Module1 m;
    m.ndept = 4;
    m.relchart[1][2] = "A ";
    m.relchart[1][3] = "B";
    m.relchart[1][4] = "";
    m.relchart[2][3] = Cell::empty();
    m.relchart[2][4] = "Aa";
    m.relchart[3][4] = "u";
    m.relcode[1] = "B"; // the score vector's codes play no part here
    m.orderpairsbyrating();
    EXPECT_EQ(listedpairs(m, 1), (std::vector<int>{304}));
    EXPECT_EQ(starts(m), (std::vector<int>{1, 1, 1, 1, 1, 2}));

    for (int i = 1; i <= 4; ++i) {
        for (int j = i + 1; j <= 4; ++j)
            m.relchart[i][j] = "";
    }
    m.orderpairsbyrating();
    EXPECT_EQ(starts(m), (std::vector<int>{1, 1, 1, 1, 1, 1}));
}

// Independent reading of the documented orders, written plainly.
std::vector<int> oracleareaorder(const std::vector<double>& area) {
    std::vector<int> order{1};
    for (int i = 2; i <= int(area.size()); ++i) {
        const double a = area[i - 1];
        if (a >= area[order.back() - 1]) {
            order.push_back(i);
        } else if (a <= area[order.front() - 1]) {
            order.insert(order.begin(), i);
        } else {
            std::size_t k = 0;
            while (!(a <= area[order[k] - 1]))
                ++k;
            order.insert(order.begin() + long(k), i);
        }
    }
    return order;
}

TEST(Orders, AgreeWithAPlainComputationOnRandomProblems) {
    const std::vector<Cell> letters = {"A", "a", "E", "e", "I", "i", "O",  "o",
                                       "U", "u", "X", "x", "",  "B", "A ", Cell::empty()};
    const std::string upper = "AEIOUX";
    const std::string lower = "aeioux";
    std::mt19937 gen(20240611);
    for (int trial = 0; trial < 1000; ++trial) {
        Module1 m;
        const int n = 1 + int(gen() % 18);
        std::vector<double> area;
        const int spread = 1 + int(gen() % 6); // few distinct areas: many ties
        for (int i = 1; i <= n; ++i)
            area.push_back(double(gen() % spread) * 25);
        EXPECT_EQ(areaorder(m, area), oracleareaorder(area));
        for (int k = 1; k <= n; ++k)
            EXPECT_EQ(m.deptorderpos[m.deptorder[k]], k);

        for (int i = 1; i <= n; ++i) {
            for (int j = i + 1; j <= n; ++j)
                m.relchart[i][j] = letters[gen() % letters.size()];
        }
        m.orderpairsbyrating();
        std::vector<int> expected;
        std::vector<int> expectedstarts;
        for (int c = 0; c < 6; ++c) {
            expectedstarts.push_back(int(expected.size()) + 1);
            for (int i = 1; i <= n; ++i) {
                for (int j = i + 1; j <= n; ++j) {
                    const std::string t = m.relchart[i][j].str();
                    if (t == std::string(1, upper[c]) || t == std::string(1, lower[c])) {
                        expected.push_back(100 * i + j);
                    }
                }
            }
        }
        EXPECT_EQ(listedpairs(m, int(expected.size())), expected);
        EXPECT_EQ(starts(m), expectedstarts);
    }
}

} // namespace
