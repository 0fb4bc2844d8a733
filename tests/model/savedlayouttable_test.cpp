// The saved-layout table's rescoring of every layout and its four ranks.

#include "model/module1.h"
#include "tests/singlestory/layoutproblem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace {

class SavedTable : public ::testing::Test {
protected:
    void SetUp() override {
        setlayoutproblem(m, {{"A", 100}, {"B", 50}, {"C", 80}, {"D", 120}},
                         {{1, 2, "A"}, {3, 4, "E"}, {1, 4, "I"}, {2, 3, "X"}});
        m.prodflag = 1;
        m.flowmatrix[1][2] = 30;
        m.flowmatrix[2][4] = 12;
    }
    // Saves a layout given by the position codes of departments 1..4.
    void save(int q, std::vector<int> codes) {
        m.zoneleft = m.zoneright = {};
        m.zonearea = {};
        m.deptpos = {};
        for (int d = 1; d <= 4; ++d)
            placedept(m, d, codes[d - 1] / 100, codes[d - 1] % 100);
        savecurrent(m, q, 0);
    }
    Module1 m;
};

// Scores equal but for the last bits of a sum are equal; a few billionths
// apart (the third movement) they are not.
TEST_F(SavedTable, EqualScoresShareARankAndTheNextIsSkipped) {
    m.nsavedlayouts = 3;
    const double adj[] = {0, 0.1 + 0.2, 0.3, 0.2};
    const double rel[] = {0, 0.3, 0.9, 0.1 + 0.2};
    const double r[] = {0, 6720, 6718, 6718 + 1e-12};
    const double prod[] = {0, 1e12, 1e12 + 100, 1e12 + 2000};
    for (int q = 1; q <= 3; ++q) {
        m.savedadjscore[q] = adj[q];
        m.savedreldist[q] = rel[q];
        m.savedrscore[q] = r[q];
        m.savedprodmove[q] = prod[q];
    }
    m.ranksavedlayouts();
    EXPECT_EQ((std::vector<int>{m.adjrank[1], m.adjrank[2], m.adjrank[3]}),
              (std::vector<int>{0, 0, 2}));
    EXPECT_EQ((std::vector<int>{m.reldistrank[1], m.reldistrank[2], m.reldistrank[3]}),
              (std::vector<int>{1, 0, 1}));
    EXPECT_EQ((std::vector<int>{m.rscorerank[1], m.rscorerank[2], m.rscorerank[3]}),
              (std::vector<int>{2, 0, 0}));
    EXPECT_EQ((std::vector<int>{m.prodmoverank[1], m.prodmoverank[2], m.prodmoverank[3]}),
              (std::vector<int>{0, 0, 2}));
    EXPECT_EQ(m.savedprodmove[3].num(), 1e12 + 2000); // kept with product data
}

TEST_F(SavedTable, WithoutProductDataEveryMovementBecomesZero) {
    m.prodflag = 0;
    m.nsavedlayouts = 2;
    m.savedprodmove[1] = 40;
    m.savedprodmove[2] = Cell::empty();
    m.ranksavedlayouts();
    for (int q = 1; q <= 2; ++q) {
        EXPECT_TRUE(m.savedprodmove[q].isnumber());
        EXPECT_EQ(m.savedprodmove[q].num(), 0);
    }
}

TEST_F(SavedTable, RanksAgreeWithThePlaceInTheSortedScores) {
    std::mt19937 g(5);
    for (int round = 0; round < 50; ++round) {
        const int n = 1 + round % 20;
        m.nsavedlayouts = n;
        std::uniform_int_distribution<int> few(0, 4); // many ties
        for (int q = 1; q <= n; ++q) {
            m.savedadjscore[q] = few(g) * 0.25;
            m.savedreldist[q] = few(g) * 0.1;
            m.savedrscore[q] = few(g) * 3.0;
            m.savedprodmove[q] = few(g) * 11.0;
        }
        m.ranksavedlayouts();
        // The rank is the place of the first equal score once the scores are
        // sorted best first.
        const auto place = [n](std::function<double(int)> score, bool higherbetter, int q) {
            std::vector<double> sorted;
            for (int r = 1; r <= n; ++r)
                sorted.push_back(score(r));
            if (higherbetter)
                std::sort(sorted.begin(), sorted.end(), std::greater<>());
            else
                std::sort(sorted.begin(), sorted.end());
            return int(std::find(sorted.begin(), sorted.end(), score(q)) - sorted.begin());
        };
        for (int q = 1; q <= n; ++q) {
            EXPECT_EQ(m.adjrank[q],
                      place([&](int r) { return m.savedadjscore[r].num(); }, true, q));
            EXPECT_EQ(m.reldistrank[q], place([&](int r) { return m.savedreldist[r]; }, true, q));
            EXPECT_EQ(m.rscorerank[q], place([&](int r) { return m.savedrscore[r]; }, false, q));
            EXPECT_EQ(m.prodmoverank[q],
                      place([&](int r) { return m.savedprodmove[r].num(); }, false, q));
        }
    }
}

TEST_F(SavedTable, RescoringRecomputesEveryLayoutFromItsZones) {
    save(1, {101, 102, 701, 702});
    save(2, {101, 401, 102, 901});
    save(3, {201, 202, 501, 801});
    m.nsavedlayouts = 3;
    for (int q = 1; q <= 3; ++q) {
        m.savedadjscore[q] = 99; // stale
        m.savedreldist[q] = 99;
        m.savedrscore[q] = 99;
        m.savedprodmove[q] = 99;
    }
    m.storescores = 0;
    m.rescoresavedlayouts();
    EXPECT_EQ(m.storescores, 1);
    EXPECT_EQ(m.curlayout, 4);
    EXPECT_EQ(m.deptpos[4], 801); // the last layout stays current

    for (int q = 1; q <= 3; ++q) {
        Module1 e = m;
        e.storescores = 0;
        e.loadsavedlayout(q);
        e.evallayout();
        EXPECT_EQ(m.savedadjscore[q].num(), e.adjscore / e.maxadjscore) << q;
        e.calcdistmatrix();
        e.reldistscore();
        EXPECT_EQ(m.savedreldist[q], e.reldist) << q;
        EXPECT_EQ(m.savedrscore[q], e.rscore) << q;
        double movement = 0;
        for (int i = 1; i <= 4; ++i)
            for (int j = i + 1; j <= 4; ++j)
                movement = movement + e.distmatrix[i][j] * e.flowmatrix[i][j];
        EXPECT_DOUBLE_EQ(m.savedprodmove[q].num(), movement) << q;
    }
}

// An area changed since the building was sized: storeyone rescores in a
// building of the current areas, storeymany in the building it has.
TEST_F(SavedTable, StoreyoneRescoresInABuildingOfTheCurrentAreas) {
    save(1, {101, 102, 701, 702});
    m.nsavedlayouts = 1;
    m.deptarea[1] = 460;
    m.computeareastats();
    for (const Program program : {Program::storeymany, Program::storeyone}) {
        m.program = program;
        m.rescoresavedlayouts();
        const double width =
            program == Program::storeyone ? std::sqrt(710 / 1.5) : std::sqrt(350 / 1.5);
        EXPECT_EQ(m.layoutwidth.num(), width);
        EXPECT_EQ(m.layoutlength.num(), width * 1.5);
    }
}

TEST_F(SavedTable, RescoringNothingLeavesTheLoopAtOne) {
    m.nsavedlayouts = 0;
    m.curlayout = 7;
    m.rescoresavedlayouts();
    EXPECT_EQ(m.curlayout, 1);
}

TEST_F(SavedTable, CopyingAnEntryTakesScoresZonesAndPositions) {
    save(5, {101, 102, 701, 702});
    m.savedadjscore[5] = 0.75;
    m.savedreldist[5] = 0.5;
    m.savedrscore[5] = 12;
    m.savedprodmove[5] = 34;
    m.copysavedlayout(5, 2);
    EXPECT_EQ(m.savedadjscore[2].num(), 0.75);
    EXPECT_EQ(m.savedreldist[2], 0.5);
    EXPECT_EQ(m.savedrscore[2], 12);
    EXPECT_EQ(m.savedprodmove[2].num(), 34);
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(m.savedzoneleft[k][2], m.savedzoneleft[k][5]);
        EXPECT_EQ(m.savedzoneright[k][2], m.savedzoneright[k][5]);
        EXPECT_EQ(m.savedzonearea[k][2], m.savedzonearea[k][5]);
    }
    for (int d = 1; d <= 4; ++d)
        EXPECT_EQ(m.saveddeptpos[d][2], m.saveddeptpos[d][5]);
    // Entries outside the storage are no entries: nothing is written.
    m.copysavedlayout(5, savedlayoutstorage);
    m.copysavedlayout(-1, 2);
    EXPECT_EQ(m.savedadjscore[2].num(), 0.75);
}

} // namespace
