#pragma once
// Fixture of the single-story menu, manual placement, search and table tests:
// six departments with a chart, the zone letters and the 450 x 150 drawing
// box of three 150 x 50 cells, and a timer that moves on at every reading.

#include "tests/singlestory/layoutproblem.h"
#include "tests/support/scripted.h"

#include <string>

class LayoutWindows : public ScriptedTest {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        setlayoutproblem(m,
                         {{"RECEIVING", 100},
                          {"STORES", 50},
                          {"PRESS", 80},
                          {"WELD", 120},
                          {"PAINT", 60},
                          {"SHIPPING", 90}},
                         {{1, 2, "A"}, {3, 4, "A"}, {5, 6, "E"}, {1, 6, "X"}, {2, 5, "I"}});
        for (int z = 1; z <= 9; ++z)
            m.zoneletter[z] = m.zonelabel[z] = std::string(1, char('A' + z - 1));
        m.drawcellwidth = 150;
        m.drawcellheight = 50;
        m.timer = [this] { return clock += 2.75; };
    }
    // Whether every department of the current layout holds a side, each its own.
    bool complete() const {
        int placed = 0;
        for (int z = 1; z <= 9; ++z) {
            for (const int d : {m.zoneleft[z], m.zoneright[z]}) {
                if (d == 0) continue;
                const int side = d == m.zoneleft[z] ? 1 : 2;
                if (m.deptpos[d] != 100 * z + side) return false;
                ++placed;
            }
        }
        return placed == m.ndept;
    }
    double clock = 3600;
};
