// The automatic search's passes, checked against a plain restatement of them
// on many random problems and starting layouts, and its edge cases: one
// department, the trial entry 21 and a largest possible score of 0.

#include "model/module1.h"
#include "tests/singlestory/layoutproblem.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

struct Layout {
    Table<int, 10> left{}, right{};
    Table<double, 10> area{};
    Table<int, 19> pos{};
    bool operator==(const Layout&) const = default;
};

Layout current(const Module1& m) {
    return {m.zoneleft, m.zoneright, m.zonearea, m.deptpos};
}

Layout saved(const Module1& m, int q) {
    Layout l;
    for (int k = 1; k <= 9; ++k) {
        l.left[k] = int(m.savedzoneleft[k][q].whole());
        l.right[k] = int(m.savedzoneright[k][q].whole());
        l.area[k] = m.savedzonearea[k][q];
    }
    for (int d = 1; d <= m.ndept; ++d)
        l.pos[d] = int(m.saveddeptpos[d][q].whole());
    return l;
}

// Departments i and j trade places; zone areas follow, first i's zone, then j's.
Layout swapped(const Module1& m, Layout l, int i, int j) {
    const int zi = l.pos[i] / 100, si = l.pos[i] % 100;
    const int zj = l.pos[j] / 100, sj = l.pos[j] % 100;
    l.pos[i] = 100 * zj + sj;
    l.pos[j] = 100 * zi + si;
    l.area[zi] = l.area[zi] - m.deptarea[i] + m.deptarea[j];
    l.area[zj] = l.area[zj] - m.deptarea[j] + m.deptarea[i];
    (si == 1 ? l.left : l.right)[zi] = j;
    (sj == 1 ? l.left : l.right)[zj] = i;
    return l;
}

// Raw adjacency score of a layout, by the one evaluation of the engine.
double raw(Module1& e, const Layout& l) {
    e.zoneleft = l.left;
    e.zoneright = l.right;
    e.zonearea = l.area;
    e.deptpos = l.pos;
    e.evallayout();
    return e.adjscore;
}

struct Found {
    Layout layout;
    double score; // normalised
};

// The passes as the search describes them: a first pass of single exchanges
// of the unchanged start, keeping the best that beats the best so far by 0.5;
// then passes that keep every such exchange at once, until one keeps none.
Found improve(Module1& e, const Layout& start, const std::vector<bool>& fixed) {
    const double max = e.maxadjscore == 0 ? 0.001 : e.maxadjscore;
    std::vector<std::pair<int, int>> pairs;
    for (int i = 1; i <= e.ndept; ++i)
        for (int j = i + 1; j <= e.ndept; ++j)
            if (!fixed[i] && !fixed[j]) pairs.emplace_back(i, j);
    const auto better = [&](double s, double best) { return s >= max * best + 0.5; };

    Found best{start, raw(e, start) / max};
    bool kept = false;
    for (const auto& [i, j] : pairs) {
        const Layout t = swapped(e, start, i, j);
        const double s = raw(e, t);
        if (better(s, best.score)) {
            best = {t, s / max};
            kept = true;
        }
    }
    while (kept) {
        kept = false;
        for (const auto& [i, j] : pairs) {
            const Layout t = swapped(e, best.layout, i, j);
            const double s = raw(e, t);
            if (better(s, best.score)) {
                best = {t, s / max};
                kept = true;
            }
        }
    }
    return best;
}

// A random problem of n departments: areas, a chart with every letter and
// blanks, default scores or random decimal ones.
void randomproblem(Module1& m, std::mt19937& g, int n, bool decimalscores) {
    std::uniform_int_distribution<int> area(1, 60), letter(0, 7);
    std::vector<std::pair<std::string, double>> depts;
    for (int d = 1; d <= n; ++d)
        depts.push_back({"D" + std::to_string(d), area(g) * (decimalscores ? 1.25 : 1.0)});
    std::vector<Rated> chart;
    const char* const letters[] = {"A", "E", "I", "O", "U", "X", "", ""};
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (const std::string l = letters[letter(g)]; !l.empty()) chart.push_back({i, j, l});
    setlayoutproblem(m, depts, chart, 0.5 + 0.25 * (g() % 8));
    if (decimalscores) {
        std::uniform_real_distribution<double> w(-6, 12);
        for (int k = 1; k <= 6; ++k)
            m.relweight[k] = w(g);
        m.computescorevector();
    }
    m.batchmode = 1;
}

// Random departments of the problem fixed on random free sides.
void fixsome(Module1& m, std::mt19937& g, int count) {
    m.clearlayouts();
    for (int placed = 0; placed < count;) {
        const int d = 1 + int(g() % unsigned(m.ndept));
        const int zone = 1 + int(g() % 9u), side = 1 + int(g() % 2u);
        if (m.deptpos[d] != 0 || (side == 1 ? m.zoneleft : m.zoneright)[zone] != 0) continue;
        placedept(m, d, zone, side);
        ++placed;
    }
    m.fixzoneleft = m.zoneleft;
    m.fixzoneright = m.zoneright;
    m.fixzonearea = m.zonearea;
    m.fixdeptpos = m.deptpos;
    m.hasfixed = count > 0 ? 1 : 0;
    m.zoneleft = m.zoneright = {};
    m.zonearea = {};
    m.deptpos = {};
}

std::vector<bool> fixedflags(const Module1& m) {
    std::vector<bool> fixed(19, false);
    for (int d = 1; d <= m.ndept; ++d)
        fixed[d] = m.fixdeptpos[d] != 0;
    return fixed;
}

TEST(SearchPasses, MatchThePlainPassesOnRandomStarts) {
    std::mt19937 g(20240611);
    int improved = 0;
    for (int round = 0; round < 120; ++round) {
        Module1 m;
        const int n = 2 + round % 17;
        randomproblem(m, g, n, round % 3 == 2);
        fixsome(m, g, round % 4 == 3 ? int(g() % unsigned(n)) : 0);
        m.timer = [round] { return 1000.0 + 17.5 * round; };
        const int k = 1 + round % 20;

        // The random start becomes entry k, as the search makes it.
        m.searchlayout = k;
        m.nsavedlayouts = k - 1;
        m.prepareautosearch();
        m.randomlayout();
        const Layout start = current(m);
        m.evallayout();
        m.addsavedlayout();
        m.restorefixedlayout();

        Module1 e = m;
        const Found want = improve(e, start, fixedflags(m));
        m.searchpasses();

        SCOPED_TRACE("round " + std::to_string(round));
        const int last = int(m.nsavedlayouts.whole());
        ASSERT_TRUE(last == k || last == k + 1);
        EXPECT_EQ(last == k + 1, !(want.layout == start));
        EXPECT_TRUE(saved(m, last) == want.layout);
        EXPECT_EQ(m.savedadjscore[last].num(), want.score);
        EXPECT_TRUE(saved(m, k) == start) << "the random layout stays in entry k";
        if (last == k + 1) ++improved;
    }
    EXPECT_GT(improved, 60); // the comparison saw many improved layouts
}

TEST(SearchLayouts, EachLayoutIsItsRandomStartImproved) {
    std::mt19937 g(77);
    for (int round = 0; round < 12; ++round) {
        Module1 m;
        randomproblem(m, g, 6 + round, round % 2 == 1);
        fixsome(m, g, round % 3);
        double clock = 500.0 * round;
        m.timer = [&clock] { return clock += 1.5; };
        m.nsearchlayouts = 4;
        m.nsavedlayouts = 9; // an earlier table, replaced
        m.searchlayouts();

        Module1 e = m; // the same problem, fixed arrangement and random sequence
        double twinclock = 500.0 * round;
        e.timer = [&twinclock] { return twinclock += 1.5; };
        SCOPED_TRACE("round " + std::to_string(round));
        EXPECT_EQ(m.nsavedlayouts.whole(), 4);
        for (int k = 1; k <= 4; ++k) {
            e.restorefixedlayout();
            e.randomlayout();
            const Layout start = current(e);
            const Found want = improve(e, start, fixedflags(m));
            EXPECT_TRUE(saved(m, k) == want.layout) << k;
            EXPECT_EQ(m.savedadjscore[k].num(), want.score) << k;
        }
        // The current layout is the fixed arrangement again.
        EXPECT_EQ(m.deptpos, m.fixdeptpos);
        EXPECT_EQ(m.itermode, 0);
    }
}

// Class scores so large that 0.5 is lost in rounding: an exchange that
// scores as the best does must still not count, or the passes never end.
TEST(SearchLayouts, EndsWhateverTheClassScores) {
    for (const auto& [k, score] : {std::pair{1, 1e16}, {6, -1e16}}) {
        Module1 m;
        double clock = 100;
        m.timer = [&clock] { return clock += 3.25; };
        m.initproblem(); // the default codes, as New Problem sets them
        m.problemfile = MARQUETA_SOURCE_DIR "/examples/PLANT";
        ASSERT_TRUE(m.loadproblemfile());
        m.relweight[k] = score;
        m.computescorevector();
        m.batchmode = 1;
        m.nsearchlayouts = 3;
        m.searchlayouts();
        EXPECT_EQ(m.nsavedlayouts.whole(), 3);
    }
}

class Search : public ::testing::Test {
protected:
    void SetUp() override {
        setlayoutproblem(m, {{"A", 100}, {"B", 50}, {"C", 80}, {"D", 120}, {"E", 60}, {"F", 90}},
                         {{1, 2, "A"}, {3, 4, "A"}, {5, 6, "E"}, {1, 6, "X"}, {2, 5, "I"}});
        m.batchmode = 1;
        m.timer = [this] { return clock += 3.25; };
    }
    Module1 m;
    double clock = 100;
};

TEST_F(Search, OneDepartmentKeepsItsRandomPlacement) {
    setlayoutproblem(m, {{"ONLY", 40}}, {});
    m.batchmode = 1;
    m.nsearchlayouts = 2;
    m.searchlayouts();
    ASSERT_EQ(m.nsavedlayouts.whole(), 2);
    for (int q = 1; q <= 2; ++q) {
        const long code = m.saveddeptpos[1][q].whole();
        EXPECT_GE(code / 100, 1);
        EXPECT_LE(code / 100, 9);
    }
}

TEST_F(Search, TwentyLayoutsUseTrialEntryTwentyOneAndNoFurther) {
    for (int q = 1; q < savedlayoutstorage; ++q)
        m.savedadjscore[q] = -999;
    m.nsearchlayouts = 20;
    m.searchlayouts();
    EXPECT_EQ(m.nsavedlayouts.whole(), 20);
    for (int q = 1; q <= 20; ++q)
        EXPECT_GE(m.savedadjscore[q].num(), -1) << q;
    EXPECT_NE(m.savedadjscore[21].num(), -999); // some exchange for layout 20 was kept
    EXPECT_EQ(m.savedadjscore[22].num(), -999);
    EXPECT_EQ(m.savedadjscore[23].num(), -999);
}

TEST_F(Search, NoScoringPairMakesTheLargestScoreOneThousandth) {
    setlayoutproblem(m, {{"A", 10}, {"B", 20}, {"C", 30}}, {{1, 2, "X"}, {2, 3, "U"}});
    m.batchmode = 1;
    m.maxadjscore = 0;
    m.nsearchlayouts = 2;
    m.searchlayouts();
    EXPECT_EQ(m.maxadjscore, 0.001);
    for (int q = 1; q <= 2; ++q) {
        m.loadsavedlayout(q);
        m.evallayout();
        EXPECT_EQ(m.savedadjscore[q].num(), m.adjscore / 0.001);
    }
}

} // namespace
