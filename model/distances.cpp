// Distances between the departments of the evaluated layout, the
// relationship-distance score and product movement.
//
// Distances are rectilinear, between centroids, in building units. The R score
// weighs each pair's distance with its relationship value; its bounds pair the
// sorted distances with every pair's score, highest first.

#include "model/module1.h"
#include "model/scoretolerance.h"
#include "model/tableindex.h"

#include <algorithm>
#include <cmath>

namespace {

// The scores of pairs 1..p in the order the bounds pair them with the
// ascending distances: highest first, the unrated pairs' 0 among them. Paired
// so, the smallest and largest sums are the least and most R can be for these
// distances, whatever the class scores are. relvaluelist holds the rated
// pairs' scores class by class, which is this order when the scores fall from
// A to X.
Table<double, 154> boundscores(const Module1& m, int p) {
    int rated = 0;
    for (int k = 1; k <= 6; ++k)
        rated += std::clamp(m.nrelpairs[k], 0, p);
    rated = std::min(rated, p);
    Table<double, 154> score{};
    for (int q = 1; q <= rated; ++q)
        score[q] = m.relvaluelist[q];
    // Highest first; a score that is not a number goes last, so the order is
    // always a strict one.
    std::stable_sort(score.begin() + 1, score.begin() + 1 + p,
                     [](double a, double b) { return a > b || (std::isnan(b) && !std::isnan(a)); });
    return score;
}

} // namespace

void Module1::calcdistmatrix() {
    const int n = problemsize(ndept);
    npairs = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j) {
            // A department the layout leaves out is nowhere: its pairs are 0 apart.
            const double d = pairplaced(i, j) ? std::abs(centroidx[j] - centroidx[i]) +
                                                    std::abs(centroidy[j] - centroidy[i])
                                              : 0;
            distmatrix[i][j] = d;
            distmatrix[j][i] = d;
            if (j != i) {
                npairs = npairs + 1;
                distlist[npairs] = d;
            }
        }
    }
}

void Module1::calcdeptdistances() {
    calcdistmatrix();
    reldistscore();
    computeflowdistancescore();
}

void Module1::reldistscore() {
    const int n = problemsize(ndept);
    rscore = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j)
            rscore = rscore + relvalue[i][j] * distmatrix[i][j];
    }
    npairs = (n - 1) * n / 2;
    const int p = npairs;
    std::sort(distlist.begin() + 1, distlist.begin() + 1 + p);

    const Table<double, 154> score = boundscores(*this, p);
    lowerbound = 0;
    for (int k = 1; k <= p; ++k)
        lowerbound = lowerbound + distlist[k] * score[k];
    upperbound = 0;
    for (int k = 1; k <= p; ++k)
        upperbound = upperbound + distlist[p + 1 - k] * score[k];
    // Bounds that differ by rounding alone are the bounds of a chart whose
    // pairs all score alike: every layout lies at both.
    if (std::abs(upperbound - lowerbound) <= roundingslack(upperbound, lowerbound))
        upperbound = lowerbound + 0.001;
    // R lies between its bounds, so only rounding can take the score outside
    // 0..1. Bounds so large that the 0.001 is lost still coincide, and R on
    // them (0 / 0) lies at both: 1.
    const double raw = 1 - (rscore - lowerbound) / (upperbound - lowerbound);
    reldist = std::isnan(raw) ? 1 : std::clamp(raw, 0.0, 1.0);

    if (storescores != 0 && savedindex(curlayout)) {
        savedreldist[curlayout] = reldist;
        savedrscore[curlayout] = rscore;
    }
}

Cell Module1::calcflowdistances() {
    adjscore = 0;
    if (prodflag != 1) return Cell::empty();
    const int n = problemsize(ndept);
    double total = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j)
            flowdist[i][j] = distmatrix[i][j] * flowmatrix[i][j];
    }
    maxflowdist = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j) {
            total = total + flowdist[i][j];
            if (flowdist[i][j] > maxflowdist) maxflowdist = flowdist[i][j];
        }
    }
    return total;
}

void Module1::computeflowdistancescore() {
    // Stored whatever storescores holds: the table shows it for every layout.
    const Cell total = calcflowdistances();
    if (savedindex(curlayout)) savedprodmove[curlayout] = total;
}
