// The current layout, the fixed arrangement of departments placed by hand and
// the table of saved layouts, and the moves between them.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>
#include <cmath>

namespace {

// A department number or position code read back from the saved table. A
// number no layout can hold reads as 0: nothing placed there.
int storedcode(const Cell& c, long largest) {
    const long v = c.whole();
    return v >= 0 && v <= largest ? int(v) : 0;
}

constexpr long largestposition = 902; // zone 9, Right side

} // namespace

void Module1::randomlayout() {
    randomize(timervalue());
    const int n = problemsize(ndept);
    for (int i = 1; i <= n; ++i) {
        if (deptpos[i] != 0) continue;
        // Every department of a valid layout finds a side; a layout holding
        // more than 18 departments would otherwise be drawn for ever.
        bool free = false;
        for (int k = 1; k <= 9 && !free; ++k)
            free = zoneleft[k] == 0 || zoneright[k] == 0;
        if (!free) return;
        for (;;) {
            int zone = 0;
            while (zone < 1 || zone > 9)
                zone = int(std::trunc(rnd() * 10));
            const int side = rnd() > 0.5 ? 2 : 1;
            int& place = side == 2 ? zoneright[zone] : zoneleft[zone];
            if (place != 0) continue;
            place = i;
            deptpos[i] = 100 * zone + side;
            zonearea[zone] = zonearea[zone] + deptarea[i];
            break;
        }
    }
}

void Module1::clearlayouts() {
    for (int k = 1; k <= 9; ++k) {
        zoneright[k] = 0;
        zoneleft[k] = 0;
        zonearea[k] = 0;
        fixzoneright[k] = 0;
        fixzoneleft[k] = 0;
        fixzonearea[k] = 0;
    }
    const int n = problemsize(ndept);
    for (int d = 1; d <= n; ++d) {
        deptpos[d] = 0;
        fixdeptpos[d] = 0;
    }
}

void Module1::prepareautosearch() {
    sizelayout();
    adjscore = 0;
    itermode = 0;
    storescores = 0;
    for (int d = 1; d <= maxdept; ++d)
        deptfixed[d] = 0;
    if (hasfixed != 0) restorefixedlayout();
}

void Module1::restorefixedlayout() {
    const int n = problemsize(ndept);
    for (int d = 1; d <= n; ++d)
        deptpos[d] = fixdeptpos[d];
    for (int k = 1; k <= 9; ++k) {
        zonearea[k] = fixzonearea[k];
        zoneright[k] = fixzoneright[k];
        zoneleft[k] = fixzoneleft[k];
    }
}

void Module1::addsavedlayout() {
    int count = int(std::clamp(nsavedlayouts.whole(), 0L, long(savedlayoutstorage))) + 1;
    if (batchmode == 0 && count > maxsavedlayouts) {
        msgbox("MAXIMUM ALREADY SAVED");
        count = maxsavedlayouts;
    }
    // The search keeps its count within the storage; should it not, the last
    // entry is replaced rather than anything written past the table.
    count = std::min(count, savedlayoutstorage - 1);
    nsavedlayouts = count;

    const int q = count;
    for (int k = 1; k <= 9; ++k) {
        savedzoneright[k][q] = zoneright[k];
        savedzoneleft[k][q] = zoneleft[k];
        savedzonearea[k][q] = zonearea[k];
    }
    const int n = problemsize(ndept);
    for (int d = 1; d <= n; ++d)
        saveddeptpos[d][q] = deptpos[d];
    if (maxadjscore == 0) maxadjscore = 0.001;
    savedadjscore[q] = adjscore / maxadjscore;
}

void Module1::loadsavedlayout(int q) {
    if (q < 0 || q >= savedlayoutstorage) return;
    // A department removed since the layout was saved is neither drawn nor
    // scored; its zone area already counts it as 0.
    const int n = problemsize(ndept);
    for (int k = 1; k <= 9; ++k) {
        zoneright[k] = storedcode(savedzoneright[k][q], n);
        zoneleft[k] = storedcode(savedzoneleft[k][q], n);
        zonearea[k] = savedzonearea[k][q];
    }
    for (int d = 1; d <= n; ++d)
        deptpos[d] = storedcode(saveddeptpos[d][q], largestposition);
}

double Module1::savedzonesum(int k, int q) const {
    return savedentryarea(savedzoneleft[k][q]) + savedentryarea(savedzoneright[k][q]);
}

void Module1::fitsavedlayouts() {
    const int n = problemsize(ndept);
    const int count = boundedcount(nsavedlayouts, savedlayoutstorage - 1);
    for (int q = 1; q <= count; ++q) {
        // The place the zones give each department: the first side that names
        // it, zones in order, left before right. A department above the count,
        // or named again, leaves the side empty.
        Table<int, maxdept + 1> place{};
        for (int k = 1; k <= 9; ++k) {
            bool emptied = false;
            for (const int side : {1, 2}) {
                Cell& holder = side == 1 ? savedzoneleft[k][q] : savedzoneright[k][q];
                const int d = deptnumber(holder);
                if (d > n || (d != 0 && place[d] != 0)) {
                    holder = 0;
                    emptied = true;
                } else if (d != 0) {
                    place[d] = 100 * k + side;
                }
            }
            if (emptied) savedzonearea[k][q] = savedzonesum(k, q);
        }
        for (int d = 1; d <= n; ++d)
            if (!says(saveddeptpos[d][q], place[d])) saveddeptpos[d][q] = place[d];
    }
    for (int d = n + 1; d <= maxdept; ++d)
        for (Cell& position : saveddeptpos[d])
            position = Cell::empty();
}

void Module1::reviewsavedlayouts() {
    // The count is read once: a layout saved from the display is not reviewed.
    const int last = int(std::clamp(nsavedlayouts.whole(), 0L, long(savedlayoutstorage - 1)));
    for (curlayout = 1; curlayout <= last; ++curlayout) {
        loadsavedlayout(curlayout);
        adjscore = 0;
        openwindow("display1frm");
    }
    for (int k = 1; k <= 9; ++k) {
        zoneright[k] = 0;
        zoneleft[k] = 0;
        zonearea[k] = 0;
    }
    adjscore = 0;
    const int n = problemsize(ndept);
    for (int d = 1; d <= n; ++d)
        deptpos[d] = 0;
}
