// The pairwise exchange of two departments in the current layout.

#include "model/module1.h"

#include <gtest/gtest.h>

namespace {

TEST(ExchangeDepts, SwapsPositionsSidesAndZoneAreas) {
    Module1 m;
    m.ndept = 3;
    m.deptarea[1] = 10;
    m.deptarea[2] = 20;
    m.deptarea[3] = 40;
    m.zoneleft[1] = 1;
    m.zoneright[1] = 2;
    m.zonearea[1] = 30;
    m.zoneright[9] = 3;
    m.zonearea[9] = 40;
    m.deptpos = {0, 101, 102, 902};

    m.exchangedepts(1, 2); // one zone: sides swap, the area stays
    EXPECT_EQ(m.zoneleft[1], 2);
    EXPECT_EQ(m.zoneright[1], 1);
    EXPECT_EQ(m.zonearea[1], 30);
    EXPECT_EQ(m.deptpos[1], 102);
    EXPECT_EQ(m.deptpos[2], 101);

    m.exchangedepts(2, 3); // across zones: both areas change
    EXPECT_EQ(m.zoneleft[1], 3);
    EXPECT_EQ(m.zoneright[9], 2);
    EXPECT_EQ(m.zonearea[1], 50);
    EXPECT_EQ(m.zonearea[9], 20);
    EXPECT_EQ(m.deptpos[2], 902);
    EXPECT_EQ(m.deptpos[3], 101);

    m.exchangedepts(3, 3); // with itself: nothing moves
    EXPECT_EQ(m.zoneleft[1], 3);
    EXPECT_EQ(m.zonearea[1], 50);
    EXPECT_EQ(m.deptpos[3], 101);
}

TEST(ExchangeDepts, ADepartmentNotPlacedTouchesNoZoneTable) {
    Module1 m;
    m.deptarea[1] = 10;
    m.deptarea[2] = 20;
    m.zoneleft[4] = 1;
    m.zonearea[4] = 10;
    m.deptpos[1] = 401;
    m.exchangedepts(1, 2); // 2 has no place: 1 leaves zone D, 2 takes its side
    EXPECT_EQ(m.deptpos[1], 0);
    EXPECT_EQ(m.deptpos[2], 401);
    EXPECT_EQ(m.zoneleft[4], 2);
    EXPECT_EQ(m.zonearea[4], 20);
    EXPECT_EQ(m.zonearea[0], 0);
    m.exchangedepts(0, 19); // not departments: ignored
    EXPECT_EQ(m.deptpos[2], 401);
}

} // namespace
