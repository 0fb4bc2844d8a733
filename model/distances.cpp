// Distances between the departments of the evaluated layout, the
// relationship-distance score and product movement.
//
// Distances are rectilinear, between centroids, in building units. The R score
// weighs each pair's distance with its relationship value; its bounds pair the
// sorted distances with the rated pairs' scores, strongest class first.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>
#include <cmath>

void Module1::calcdistmatrix() {
    const int n = problemsize(ndept);
    npairs = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = i; j <= n; ++j) {
            const double d =
                std::abs(centroidx[j] - centroidx[i]) + std::abs(centroidy[j] - centroidy[i]);
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

    // relvaluelist holds a score for each rated pair only; the places after the
    // rated pairs belong to pairs without a letter, whose value is 0.
    int rated = 0;
    for (int k = 1; k <= 6; ++k)
        rated += std::clamp(nrelpairs[k], 0, p);
    rated = std::min(rated, p);
    const auto score = [&](int k) { return k <= rated ? relvaluelist[k] : 0.0; };

    lowerbound = 0;
    for (int k = 1; k <= p; ++k)
        lowerbound = lowerbound + distlist[k] * score(k);
    upperbound = 0;
    for (int k = 1; k <= p; ++k)
        upperbound = upperbound + distlist[p + 1 - k] * score(k);
    if (upperbound - lowerbound == 0) upperbound = upperbound + 0.001;
    reldist = 1 - (rscore - lowerbound) / (upperbound - lowerbound);

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
