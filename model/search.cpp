// The automatic search: for each layout asked for, a random completion of the
// fixed arrangement improved by pairwise exchanges of the free departments,
// judged by the raw adjacency score alone.
//
// Entry k of the saved table takes layout k; entry k + 1 is the trial entry
// that holds the best exchange found so far. The first pass tries every pair
// against the unchanged random layout and keeps the best single exchange; each
// later pass starts from that entry, which every accepted exchange overwrites,
// so the rest of that pass works on the improved layout. An exchange counts
// only when it gains at least 0.5 on the best score, and at least a billionth
// of it where 0.5 would be lost in rounding, so the passes end.
//
// This runs thousands of evaluations per search: nothing here allocates.

#include "model/module1.h"
#include "model/scoretolerance.h"
#include "model/tableindex.h"

#include <algorithm>
#include <cmath>

void Module1::searchlayouts() {
    // The trial entry after layout 20 is entry 21, the last the search may use.
    for (int k = 1; k <= nsearchlayouts && k <= maxsavedlayouts; ++k) {
        searchlayout = k;
        nsavedlayouts = k - 1;
        prepareautosearch();
        randomlayout();
        evallayout();
        addsavedlayout();
        restorefixedlayout();

        searchpasses();

        itermode = 0;
        copysavedlayout(int(nsavedlayouts.whole()), k);
        nsavedlayouts = k;
        restorefixedlayout();
    }
}

void Module1::searchpasses() {
    const int k = searchlayout;
    const int n = problemsize(ndept);
    do {
        noimprove = 1;
        prepareautosearch();
        baselayout = int(nsavedlayouts.whole());
        passbest = baselayout;
        loadsavedlayout(baselayout);
        for (int i = 1; i <= n; ++i)
            deptfixed[i] = fixdeptpos[i] != 0 ? 1 : 0;
        itercount = 0;

        for (int i = 1; i <= n; ++i) {
            for (curlayout = i + 1; curlayout <= n; ++curlayout) {
                const int j = curlayout;
                if (deptfixed[i] != 0) break;
                if (deptfixed[j] != 0) continue;
                exchangedepts(i, j);
                itercount = itercount + 1;
                itermode = 1;
                evallayout();
                if (maxadjscore == 0) maxadjscore = 0.001;
                const double best = maxadjscore * savedadjscore[passbest];
                if (adjscore >= best + std::max(0.5, roundingshare * std::abs(best))) {
                    noimprove = 0;
                    nsavedlayouts = k;
                    addsavedlayout();
                    passbest = k + 1;
                }
                adjscore = 0;
                loadsavedlayout(baselayout);
            }
        }
    } while (noimprove == 0);
}
