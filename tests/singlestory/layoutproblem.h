#pragma once
// A small complete single-story problem for the display and analysis tests:
// departments with names and areas, the default rating codes and scores, a
// chart, the building from the ratio and the 450 x 150 drawing box.

#include "model/module1.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

struct Rated {
    int i, j;
    std::string letter;
};

inline void setlayoutproblem(Module1& m, const std::vector<std::pair<std::string, double>>& depts,
                             const std::vector<Rated>& chart, double ratio = 1.5) {
    const char* const codes[] = {"", "A", "E", "I", "O", "U", "X"};
    const int weights[] = {0, 10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k) {
        m.relcode[k] = codes[k];
        m.relweight[k] = weights[k];
    }
    m.ndept = int(depts.size());
    for (int d = 1; d <= m.ndept; ++d) {
        m.deptname[d] = depts[d - 1].first;
        m.deptarea[d] = depts[d - 1].second;
    }
    m.computeareastats();
    m.relchart = {};
    m.relvalue = {};
    for (const Rated& r : chart)
        m.relchart[r.i][r.j] = r.letter;
    m.computescorevector();
    m.lwratio = ratio;
    m.layoutwidth = std::sqrt(m.totalarea / ratio);
    m.layoutlength = double(m.layoutwidth) * ratio;
    m.drawwidth = 450;
    m.drawheight = 150;
    m.chartsource = 0;
    m.prodflag = 0;
    m.batchmode = 0;
    m.zoneleft = {};
    m.zoneright = {};
    m.zonearea = {};
    m.deptpos = {};
}

// Puts department d on a side (1 Left, 2 Right) of a zone of the current layout.
inline void placedept(Module1& m, int d, int zone, int side) {
    (side == 1 ? m.zoneleft : m.zoneright)[zone] = d;
    m.deptpos[d] = 100 * zone + side;
    m.zonearea[zone] = m.zonearea[zone] + m.deptarea[d];
}

// Copies the current layout into saved entry q.
inline void savecurrent(Module1& m, int q, double score) {
    for (int k = 1; k <= 9; ++k) {
        m.savedzoneleft[k][q] = m.zoneleft[k];
        m.savedzoneright[k][q] = m.zoneright[k];
        m.savedzonearea[k][q] = m.zonearea[k];
    }
    for (int d = 1; d <= m.ndept; ++d)
        m.saveddeptpos[d][q] = m.deptpos[d];
    m.savedadjscore[q] = score;
}
