// The current partition: saving, score, area difference factors and the
// improvement by exchanges between stories.

#include "tests/model/partition_problem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Stories = std::vector<std::vector<int>>;

// Four departments of equal area with no rated pair; tests set relvalue.
std::unique_ptr<Module1> fourequal(double area = 100) {
    return partitionproblem({area, area, area, area}, {});
}

void setvalue(Module1& m, int i, int j, double v) {
    m.relvalue[i][j] = v;
    m.relvalue[j][i] = v;
}

// Keeps the current partition aside and improves it, as the automatic partition does.
void improve(Module1& m) {
    m.nworkpartitions = 0;
    m.keepworkpartition();
    m.improvepartition();
}

TEST(SavePartition, CopiesTheCurrentPartition) {
    auto m = partitionproblem({100, 200, 300}, {{1, 2, "A"}});
    setstories(*m, {{2, 1}, {3}}, 0.5);
    m->desiredadf = "";
    m->improvedflag = 0;
    m->partspare = "kept";
    m->savepartition();
    ASSERT_EQ(m->nsavedpart.whole(), 1);
    EXPECT_EQ(m->savednstories[1].whole(), 2);
    EXPECT_EQ(m->saveddesiredadf[1], Cell(""));
    EXPECT_EQ(m->savedpartspare[1], Cell("kept"));
    EXPECT_TRUE(m->savedpartspare2[1].isempty());
    EXPECT_TRUE(m->savedpartspare3[1].isempty());
    EXPECT_EQ(m->savedstorycount[1][1].whole(), 2);
    EXPECT_EQ(m->savedstorymembers[1][1][1].whole(), 2);
    EXPECT_EQ(m->savedstorymembers[1][2][1].whole(), 1);
    EXPECT_EQ(m->savedstoryarea[2][1].num(), 300);
    EXPECT_EQ(m->savedstoryofdept[3][1].whole(), 2);
    EXPECT_EQ(m->savedpartscore[1].num(), 10);
    EXPECT_EQ(m->savedactualadf[1].num(), m->actualadf);
}

TEST(SavePartition, TwentyFirstReplacesEntryTwenty) {
    auto m = partitionproblem({100, 200}, {});
    std::vector<std::string> messages;
    m->showmessage = [&](std::string_view t) { messages.emplace_back(t); };
    setstories(*m, {{1}, {2}}, 0.5);
    for (int k = 1; k <= 20; ++k)
        m->savepartition();
    EXPECT_TRUE(messages.empty());
    setstories(*m, {{2, 1}}, 0.5);
    m->savepartition();
    EXPECT_EQ(messages, std::vector<std::string>{"MAXIMUM ALREADY SAVED"});
    EXPECT_EQ(m->nsavedpart.whole(), 20);
    EXPECT_EQ(m->savednstories[20].whole(), 1);
    EXPECT_EQ(m->savednstories[19].whole(), 2);
}

TEST(ActualFactor, ThreeComputations) {
    auto m = partitionproblem({400, 600}, {});
    setstories(*m, {{1}, {2}}, 0.5);
    EXPECT_DOUBLE_EQ(m->actualadf, 0.2);
    m->displayactualadf();
    EXPECT_DOUBLE_EQ(m->actualadf, 0.2);
    EXPECT_EQ(m->targetarea, 500);
    // An empty story counts with area 0.
    setstories(*m, {{1, 2}, {}}, 0.5);
    EXPECT_DOUBLE_EQ(m->actualadf, 1);
    // The display's smallest starts at the total area and its largest at 0;
    // with negative areas both lie outside the story areas.
    auto n = partitionproblem({-100, -300}, {});
    setstories(*n, {{1}, {2}}, 0.5);
    EXPECT_DOUBLE_EQ(n->actualadf, -0.5);
    n->displayactualadf();
    EXPECT_DOUBLE_EQ(n->actualadf, -1); // smallest -400, largest 0, target -200
}

TEST(PartitionInput, WholeStoriesAndFactorInRange) {
    EXPECT_TRUE(Module1::partitioninputinrange(1, 1));
    EXPECT_TRUE(Module1::partitioninputinrange(6, 0.05));
    EXPECT_FALSE(Module1::partitioninputinrange(2.5, 0.1));
    EXPECT_FALSE(Module1::partitioninputinrange(0, 0.1));
    EXPECT_FALSE(Module1::partitioninputinrange(7, 0.1));
    EXPECT_FALSE(Module1::partitioninputinrange(3, 0));
    EXPECT_FALSE(Module1::partitioninputinrange(3, 1.01));
}

TEST(ImprovePartition, OneStoryStaysAsItIs) {
    auto m = partitionproblem({10, 20, 30}, {{1, 2, "A"}});
    setstories(*m, {{3, 1, 2}}, 0.1);
    improve(*m);
    EXPECT_EQ(members(*m, 1), (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(m->partscore, 10);
}

TEST(ImprovePartition, GainOfHalfIsNotTakenGainOfOneIs) {
    auto m = fourequal();
    setvalue(*m, 2, 3, 0.5);
    setstories(*m, {{1, 2}, {3, 4}}, 0.1);
    improve(*m);
    EXPECT_EQ(members(*m, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(m->partscore, 0);

    setvalue(*m, 2, 3, 1);
    setstories(*m, {{1, 2}, {3, 4}}, 0.1);
    improve(*m);
    EXPECT_EQ(members(*m, 1), (std::vector<int>{3, 2}));
    EXPECT_EQ(members(*m, 2), (std::vector<int>{1, 4}));
    EXPECT_EQ(m->storyofdept[1], 2);
    EXPECT_EQ(m->storyofdept[3], 1);
    EXPECT_EQ(m->partscore, 1);
}

TEST(ImprovePartition, LaterBetterCommitReplacesEarlierInOnePass) {
    auto m = fourequal();
    // Exchanging 1 with 3 gains 2, then 1 with 4 gains 5 (both from the base).
    setvalue(*m, 2, 3, 2);
    setvalue(*m, 2, 4, 5);
    setstories(*m, {{1, 2}, {3, 4}}, 0.1);
    improve(*m);
    EXPECT_EQ(members(*m, 1), (std::vector<int>{4, 2}));
    EXPECT_EQ(members(*m, 2), (std::vector<int>{3, 1}));
    EXPECT_EQ(m->partscore, 5);
    EXPECT_EQ(m->storyarea[1], 200);
}

TEST(ImprovePartition, RestoredExchangeIsCommittedWhateverItsScore) {
    auto m = partitionproblem({150, 100, 50, 100}, {});
    setvalue(*m, 1, 2, 10);
    setstories(*m, {{1, 2}, {3, 4}}, 0.1); // 250 and 150: factor 0.25
    ASSERT_DOUBLE_EQ(m->actualadf, 0.25);
    improve(*m);
    // 1 with 3 keeps the factor but loses the score; 1 with 4 brings the
    // stories to 200 each and is taken although the score drops to 0.
    EXPECT_EQ(members(*m, 1), (std::vector<int>{4, 2}));
    EXPECT_EQ(members(*m, 2), (std::vector<int>{3, 1}));
    EXPECT_EQ(m->storyarea[1], 200);
    EXPECT_EQ(m->storyarea[2], 200);
    EXPECT_EQ(m->partscore, 0);
    EXPECT_DOUBLE_EQ(m->actualadf, 0.25); // the factor before the improvement
}

TEST(ImprovePartition, RestoredExchangeReplacesAnEarlierGain) {
    auto m = partitionproblem({150, 100, 50, 100}, {});
    setvalue(*m, 3, 2, 4);
    setstories(*m, {{1, 2}, {3, 4}}, 0.1);
    improve(*m);
    // 1 with 3 keeps the factor at 0.25 and gains 4; then 1 with 4, tried
    // from the same base, restores the factor and is committed in its place.
    EXPECT_EQ(members(*m, 1), (std::vector<int>{4, 2}));
    EXPECT_EQ(members(*m, 2), (std::vector<int>{3, 1}));
    EXPECT_EQ(m->partscore, 0);
}

TEST(ImprovePartition, RestoringTakesGainsThatDoNotWidenTheFactor) {
    auto m = partitionproblem({160, 100, 50, 90}, {});
    setvalue(*m, 3, 2, 4);
    setstories(*m, {{1, 2}, {3, 4}}, 0.01); // 260 and 140: factor 0.3
    improve(*m);
    EXPECT_EQ(members(*m, 1), (std::vector<int>{3, 2}));
    EXPECT_EQ(members(*m, 2), (std::vector<int>{1, 4}));
    EXPECT_EQ(m->storyarea[1], 150);
    EXPECT_EQ(m->partscore, 4);
}

TEST(ImprovePartition, SmallestAreaStartsAt9999999) {
    // Story areas above 9999999: every exchange reads a smallest area of
    // 9999999 and a factor of 0.75.
    auto big = fourequal(2e7);
    setvalue(*big, 2, 3, 5);
    setstories(*big, {{1, 2}, {3, 4}}, 0.5);
    improve(*big);
    EXPECT_EQ(members(*big, 1), (std::vector<int>{1, 2}));
    setstories(*big, {{1, 2}, {3, 4}}, 0.8);
    improve(*big);
    EXPECT_EQ(members(*big, 1), (std::vector<int>{3, 2}));
}

TEST(ImprovePartition, MarkedPartitionIsRefused) {
    auto m = fourequal();
    setvalue(*m, 2, 3, 5);
    std::vector<std::string> messages;
    m->showmessage = [&](std::string_view t) { messages.emplace_back(t); };
    setstories(*m, {{1, 2}, {3, 4}}, 0.1);
    m->improvedflag = 1;
    improve(*m);
    EXPECT_EQ(messages, std::vector<std::string>{
                            "AN IMPROVEMENT ALGORITHM HAS ALREADY BEEN USED FOR THIS PARTITION"});
    EXPECT_EQ(members(*m, 1), (std::vector<int>{1, 2}));
}

TEST(ImprovePartition, ScoresTooLargeToGainOneStop) {
    // Every exchange keeps the score, and 1 is lost next to 2e17: none may
    // be committed, or the exchanges would go back and forth for ever.
    auto m = fourequal();
    for (int i = 1; i <= 4; ++i) {
        for (int j = i + 1; j <= 4; ++j)
            setvalue(*m, i, j, 1e17);
    }
    setstories(*m, {{1, 2}, {3, 4}}, 0.1);
    improve(*m);
    EXPECT_EQ(members(*m, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(members(*m, 2), (std::vector<int>{3, 4}));
}

} // namespace
