// The pairwise exchange of two departments in the current layout, the one
// move of the automatic search, the improvement walk and the layout display.

#include "model/module1.h"

namespace {

bool department(int d) {
    return d >= 1 && d <= maxdept;
}

bool zone(int k) {
    return k >= 1 && k <= 9;
}

} // namespace

void Module1::exchangedepts(int i, int j) {
    if (!department(i) || !department(j)) return;
    const int zi = deptpos[i] / 100;
    const int si = deptpos[i] - 100 * zi;
    const int zj = deptpos[j] / 100;
    const int sj = deptpos[j] - 100 * zj;
    deptpos[i] = 100 * zj + sj;
    deptpos[j] = 100 * zi + si;
    // A department not placed (position 0) has no zone to give or take area.
    if (zone(zi)) zonearea[zi] = zonearea[zi] - deptarea[i] + deptarea[j];
    if (zone(zj)) zonearea[zj] = zonearea[zj] - deptarea[j] + deptarea[i];
    if (zone(zi) && si == 1) zoneleft[zi] = j;
    if (zone(zi) && si == 2) zoneright[zi] = j;
    if (zone(zj) && sj == 1) zoneleft[zj] = i;
    if (zone(zj) && sj == 2) zoneright[zj] = i;
}
