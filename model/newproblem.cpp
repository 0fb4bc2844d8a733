#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>

void Module1::initproblem() {
    randomize(timervalue() + 1234.56);
    prodflag = 1;
    batchmode = 0;
    const char* const codes[] = {"", "A", "E", "I", "O", "U", "X"};
    for (int k = 1; k <= 6; ++k)
        relcode[k] = codes[k];
    const char* const letters[] = {"", "A", "B", "C", "D", "E", "F", "G", "H", "I"};
    for (int k = 1; k <= 9; ++k)
        zonelabel[k] = letters[k];
    const int weights[] = {0, 10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k)
        relweight[k] = weights[k];
    for (int k = 1; k <= 9; ++k)
        zoneletter[k] = letters[k];
    for (int k = 1; k <= 9; ++k) {
        zoneright[k] = 0;
        zoneleft[k] = 0;
        zonearea[k] = 0;
    }
    for (int i = 1; i <= maxdept; ++i)
        deptpos[i] = 0;
    ndept = 0;
    for (int i = 1; i <= maxdept; ++i) {
        for (int j = 1; j <= maxdept; ++j) {
            addflowmatrix[i][j] = 0;
            flowmatrix[i][j] = 0;
            flowdist[i][j] = 0;
        }
    }
    newchart = 1;
    for (int i = 1; i <= maxdept; ++i) {
        for (int j = i + 1; j <= maxdept; ++j)
            relchart[i][j] = "";
    }
}

void Module1::forgetbeyondcount() {
    forgetpairsbeyondcount();
    fittocount();
}

void Module1::fittocount() {
    fitroutings();
    fitsavedlayouts();
    fitsavedpartitions();
}

void Module1::forgetpairsbeyondcount() {
    const int n = problemsize(ndept);
    for (int d = n + 1; d <= maxdept; ++d) {
        for (int i = 1; i <= maxdept; ++i) {
            if (i != d) relchart[std::min(i, d)][std::max(i, d)] = "";
            relvalue[i][d] = 0;
            relvalue[d][i] = 0;
            for (auto* pairs : {&flowmatrix, &addflowmatrix, &heldloads}) {
                (*pairs)[i][d] = 0;
                (*pairs)[d][i] = 0;
            }
        }
    }
    // The chart backup keeps its rows of the departments that remain.
    const int kept = boundedcount(relchartbackup[0], maxdept);
    if (kept > n) {
        Table<Cell, 401> backup{};
        backup[0] = n;
        for (int i = 1; i <= n - 1; ++i)
            for (int j = i + 1; j <= n; ++j)
                backup[rowposition(i, j, n)] = relchartbackup[rowposition(i, j, kept)];
        relchartbackup = backup;
    }
}

void Module1::deriveproblem() {
    computerelvalues();
    orderpairsbyrating();
    sortdeptsbyarea();
}
