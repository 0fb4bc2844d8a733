// The table of saved layouts: every score recomputed from the layouts
// themselves, and each layout's rank in the four scores. A rank counts the
// layouts better by more than rounding, so equal scores share a rank and the
// next is skipped.

#include "model/module1.h"
#include "model/scoretolerance.h"
#include "model/tableindex.h"

#include <algorithm>

void Module1::copysavedlayout(int from, int to) {
    if (!savedindex(from) || !savedindex(to) || from == to) return;
    savedadjscore[to] = savedadjscore[from];
    savedreldist[to] = savedreldist[from];
    savedprodmove[to] = savedprodmove[from];
    savedrscore[to] = savedrscore[from];
    for (int k = 1; k <= 9; ++k) {
        savedzoneright[k][to] = savedzoneright[k][from];
        savedzoneleft[k][to] = savedzoneleft[k][from];
        savedzonearea[k][to] = savedzonearea[k][from];
    }
    const int n = problemsize(ndept);
    for (int d = 1; d <= n; ++d)
        saveddeptpos[d][to] = saveddeptpos[d][from];
}

void Module1::rescoresavedlayouts() {
    storescores = 1;
    // storeyone scores in a building of the current areas, as its display does.
    if (program == Program::storeyone) sizelayout();
    const int last = boundedcount(nsavedlayouts, maxsavedlayouts);
    for (curlayout = 1; curlayout <= last; ++curlayout) {
        loadsavedlayout(curlayout);
        adjscore = 0;
        layoutgeometry();
        if (maxadjscore == 0) maxadjscore = 0.001;
        savedadjscore[curlayout] = adjscore / maxadjscore;
        // Clears adjscore: the normalised score is stored first.
        calcdeptdistances();
    }
}

void Module1::ranksavedlayouts() {
    const int last = boundedcount(nsavedlayouts, maxsavedlayouts);
    for (int q = 1; q <= last; ++q) {
        adjrank[q] = 0;
        reldistrank[q] = 0;
        rscorerank[q] = 0;
        prodmoverank[q] = 0;
        for (int r = 1; r <= last; ++r) {
            if (scoreabove(savedadjscore[r].num(), savedadjscore[q].num())) adjrank[q] += 1;
            if (scoreabove(savedreldist[r], savedreldist[q])) reldistrank[q] += 1;
            // Lower is better for R and the movement.
            if (scoreabove(savedrscore[q], savedrscore[r])) rscorerank[q] += 1;
            if (scoreabove(savedprodmove[q].num(), savedprodmove[r].num())) prodmoverank[q] += 1;
        }
        // Without product data the column stays empty and the movement is none.
        if (prodflag == 0) savedprodmove[q] = 0;
    }
}
