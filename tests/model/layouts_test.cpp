// Random placement, the fixed arrangement and the table of saved layouts.

#include "model/module1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

void setdepts(Module1& m, int n) {
    m.ndept = n;
    for (int d = 1; d <= n; ++d)
        m.deptarea[d] = 10 * d + 0.5;
}

void place(Module1& m, int d, int zone, int side) {
    (side == 1 ? m.zoneleft : m.zoneright)[zone] = d;
    m.deptpos[d] = 100 * zone + side;
    m.zonearea[zone] = m.zonearea[zone] + m.deptarea[d];
}

// Every department 1..N on exactly the side its position code names, and
// every zone area the sum of its two departments.
void expectconsistent(const Module1& m) {
    std::vector<int> seen(19, 0);
    for (int zone = 1; zone <= 9; ++zone) {
        double area = 0;
        for (const int side : {1, 2}) {
            const int d = side == 1 ? m.zoneleft[zone] : m.zoneright[zone];
            if (d == 0) continue;
            ASSERT_GE(d, 1);
            ASSERT_LE(d, m.ndept);
            seen[d] += 1;
            EXPECT_EQ(m.deptpos[d], 100 * zone + side);
            area = area + m.deptarea[d];
        }
        EXPECT_DOUBLE_EQ(m.zonearea[zone], area) << zone;
    }
    for (int d = 1; d <= m.ndept; ++d)
        EXPECT_EQ(seen[d], 1) << d;
}

TEST(RandomLayout, PlacesEveryFreeDepartmentAroundAFixedOne) {
    for (int seed = 0; seed < 200; ++seed) {
        Module1 m;
        m.timer = [seed] { return seed * 431.25; };
        setdepts(m, 18);
        place(m, 7, 5, 2); // fixed on the Right side of zone E
        m.randomlayout();
        SCOPED_TRACE(seed);
        EXPECT_EQ(m.deptpos[7], 502);
        EXPECT_EQ(m.zoneright[5], 7);
        expectconsistent(m); // 18 departments on 18 sides: zones 0 and 10 never drawn
    }
}

TEST(RandomLayout, SeedsFromTheTimerAndDrawsZoneThenSide) {
    Module1 a, b;
    a.timer = b.timer = [] { return 45296.5; };
    setdepts(a, 12);
    setdepts(b, 12);
    a.randomlayout();
    b.randomlayout();
    EXPECT_EQ(a.deptpos, b.deptpos);

    // The first department takes the first drawn zone that is not 0, on the
    // side drawn next: Right only above 0.5.
    Module1 twin;
    twin.randomize(45296.5);
    int zone = 0;
    while (zone == 0)
        zone = int(std::trunc(twin.rnd() * 10));
    const int side = twin.rnd() > 0.5 ? 2 : 1;
    EXPECT_EQ(a.deptpos[1], 100 * zone + side);

    b.timer = [] { return 45297.5; };
    for (int d = 1; d <= 12; ++d)
        b.deptpos[d] = 0;
    b.zoneleft = b.zoneright = {};
    b.zonearea = {};
    b.randomlayout();
    EXPECT_NE(a.deptpos, b.deptpos);
}

TEST(RandomLayout, CompleteLayoutIsLeftAlone) {
    Module1 m;
    m.timer = [] { return 1.0; };
    setdepts(m, 3);
    place(m, 1, 9, 1);
    place(m, 2, 1, 2);
    place(m, 3, 4, 1);
    const Module1::Bands before = m.bands();
    m.randomlayout();
    EXPECT_EQ(m.zoneleft[9], 1);
    EXPECT_EQ(m.zoneright[1], 2);
    EXPECT_EQ(m.zoneleft[4], 3);
    EXPECT_EQ(m.bands().area, before.area);
    expectconsistent(m);
}

TEST(RandomLayout, StopsWhenNoSideIsFree) {
    Module1 m;
    m.timer = [] { return 1.0; };
    setdepts(m, 18);
    for (int d = 1; d <= 18; ++d)
        place(m, d, (d + 1) / 2, 2 - d % 2);
    m.deptpos[18] = 0; // a layout out of step with its positions
    m.randomlayout();
    EXPECT_EQ(m.deptpos[18], 0);
}

TEST(ClearLayouts, EmptiesCurrentAndFixedButKeepsHasFixed) {
    Module1 m;
    setdepts(m, 2);
    place(m, 1, 3, 1);
    m.fixzoneleft[3] = 1;
    m.fixzonearea[3] = 10.5;
    m.fixdeptpos[1] = 301;
    m.hasfixed = 1;
    m.clearlayouts();
    EXPECT_EQ(m.zoneleft[3], 0);
    EXPECT_EQ(m.zonearea[3], 0);
    EXPECT_EQ(m.deptpos[1], 0);
    EXPECT_EQ(m.fixzoneleft[3], 0);
    EXPECT_EQ(m.fixzonearea[3], 0);
    EXPECT_EQ(m.fixdeptpos[1], 0);
    EXPECT_EQ(m.hasfixed, 1);
}

TEST(PrepareAutoSearch, SizesTheBuildingAndRestoresTheFixedArrangement) {
    Module1 m;
    setdepts(m, 3);
    m.totalarea = 200;
    m.lwratio = 2;
    m.adjscore = 5;
    m.itermode = 1;
    m.storescores = 1;
    m.deptfixed[18] = 1;
    place(m, 2, 1, 1); // current layout, not fixed
    m.prepareautosearch();
    EXPECT_EQ(m.layoutwidth, Cell(10.0));
    EXPECT_EQ(m.layoutlength, Cell(20.0));
    EXPECT_EQ(m.adjscore, 0);
    EXPECT_EQ(m.itermode, 0);
    EXPECT_EQ(m.storescores, 0);
    EXPECT_EQ(m.deptfixed[18], 0);
    EXPECT_EQ(m.zoneleft[1], 2); // nothing fixed: the current layout stays

    m.hasfixed = 1;
    m.fixzoneright[5] = 3;
    m.fixzonearea[5] = 30.5;
    m.fixdeptpos[3] = 502;
    m.prepareautosearch();
    EXPECT_EQ(m.zoneleft[1], 0);
    EXPECT_EQ(m.zonearea[1], 0);
    EXPECT_EQ(m.deptpos[2], 0);
    EXPECT_EQ(m.zoneright[5], 3);
    EXPECT_EQ(m.zonearea[5], 30.5);
    EXPECT_EQ(m.deptpos[3], 502);
}

struct Saving : ::testing::Test {
    Module1 m;
    std::vector<std::string> messages;
    void SetUp() override {
        m.showmessage = [this](std::string_view t) { messages.emplace_back(t); };
        setdepts(m, 2);
        place(m, 1, 2, 1);
        place(m, 2, 8, 2);
        m.maxadjscore = 15;
        m.adjscore = 6;
    }
};

TEST_F(Saving, AppendsTheLayoutAndItsNormalisedScore) {
    m.nsavedlayouts = 2;
    m.addsavedlayout();
    EXPECT_EQ(m.nsavedlayouts, Cell(3));
    EXPECT_EQ(m.savedzoneleft[2][3], Cell(1));
    EXPECT_EQ(m.savedzoneright[8][3], Cell(2));
    EXPECT_EQ(double(m.savedzonearea[8][3]), 20.5);
    EXPECT_EQ(m.saveddeptpos[1][3], Cell(201));
    EXPECT_EQ(m.saveddeptpos[2][3], Cell(802));
    EXPECT_EQ(double(m.savedadjscore[3]), 6.0 / 15);
    EXPECT_TRUE(messages.empty());
}

TEST_F(Saving, MaxAdjScoreOfZeroBecomesOneThousandth) {
    m.maxadjscore = 0;
    m.adjscore = 3;
    m.addsavedlayout();
    EXPECT_EQ(m.maxadjscore, 0.001);
    EXPECT_EQ(double(m.savedadjscore[1]), 3 / 0.001);
}

TEST_F(Saving, AFullTableReplacesEntryTwenty) {
    m.nsavedlayouts = 20;
    m.saveddeptpos[1][20] = 901;
    m.addsavedlayout();
    EXPECT_EQ(messages, std::vector<std::string>{"MAXIMUM ALREADY SAVED"});
    EXPECT_EQ(m.nsavedlayouts, Cell(20));
    EXPECT_EQ(m.saveddeptpos[1][20], Cell(201));
    EXPECT_TRUE(m.saveddeptpos[1][21].isempty());
}

TEST_F(Saving, TheSearchGoesPastTwentyButNeverPastTheStorage) {
    m.batchmode = 1;
    m.nsavedlayouts = 20;
    for (const int expected : {21, 22, 23, 23}) {
        m.addsavedlayout();
        EXPECT_EQ(m.nsavedlayouts, Cell(expected));
    }
    EXPECT_EQ(m.saveddeptpos[2][23], Cell(802));
    EXPECT_TRUE(messages.empty());
}

struct Shown {
    int curlayout, left2, right8, pos1, pos2;
    double area8, adjscore;
};

TEST(ReviewSavedLayouts, ShowsEachSavedLayoutThenEmptiesTheCurrentOne) {
    Module1 m;
    std::vector<Shown> shown;
    m.showwindow = [&](std::string_view name) {
        EXPECT_EQ(name, "display1frm");
        shown.push_back({m.curlayout, m.zoneleft[2], m.zoneright[8], m.deptpos[1], m.deptpos[2],
                         m.zonearea[8], m.adjscore});
        m.adjscore = 4; // the display evaluates the layout
    };
    setdepts(m, 2);
    m.adjscore = 9;
    m.nsavedlayouts = 2;
    m.savedzoneleft[2][1] = 1;
    m.savedzoneright[8][1] = 2;
    m.savedzonearea[8][1] = 20.5;
    m.saveddeptpos[1][1] = 201;
    m.saveddeptpos[2][1] = 802;
    // An entry with numbers no layout holds: they read as nothing placed.
    m.savedzoneleft[2][2] = 40;
    m.savedzoneright[8][2] = -3;
    m.saveddeptpos[1][2] = 1e12;
    m.saveddeptpos[2][2] = "x";
    m.reviewsavedlayouts();

    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].curlayout, 1);
    EXPECT_EQ(shown[0].left2, 1);
    EXPECT_EQ(shown[0].right8, 2);
    EXPECT_EQ(shown[0].pos1, 201);
    EXPECT_EQ(shown[0].pos2, 802);
    EXPECT_EQ(shown[0].area8, 20.5);
    EXPECT_EQ(shown[0].adjscore, 0);
    EXPECT_EQ(shown[1].curlayout, 2);
    EXPECT_EQ(shown[1].left2, 0);
    EXPECT_EQ(shown[1].right8, 0);
    EXPECT_EQ(shown[1].pos1, 0);
    EXPECT_EQ(shown[1].pos2, 0);
    EXPECT_EQ(shown[1].adjscore, 0);

    EXPECT_EQ(m.curlayout, 3);
    EXPECT_EQ(m.adjscore, 0);
    EXPECT_EQ(m.zonearea[8], 0);
    EXPECT_EQ(m.deptpos[1], 0);
}

TEST(ReviewSavedLayouts, EmptyTableShowsNothingAndStillEmptiesTheLayout) {
    Module1 m;
    int opened = 0;
    m.showwindow = [&](std::string_view) { ++opened; };
    setdepts(m, 2);
    place(m, 1, 1, 1);
    m.adjscore = 9;
    m.curlayout = 7;
    m.reviewsavedlayouts();
    EXPECT_EQ(opened, 0);
    EXPECT_EQ(m.curlayout, 1);
    EXPECT_EQ(m.zoneleft[1], 0);
    EXPECT_EQ(m.zonearea[1], 0);
    EXPECT_EQ(m.deptpos[1], 0);
    EXPECT_EQ(m.adjscore, 0);
}

} // namespace
