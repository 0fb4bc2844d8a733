// The material-handling side of the relationship chart: the flow matrix from
// the products' routings and the additions, the chart derived from flows, and
// the backup of the typed chart that is restored when the user goes back to it.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>

double Module1::flowdivisor(double largest) {
    double scale = 10;
    if (largest > 1000) scale = 100;
    if (largest > 10000) scale = 1000;
    if (largest > 100000) scale = 10000;
    if (largest > 1000000) scale = 100000;
    if (largest > 10000000) scale = 1000000;
    return scale;
}

void Module1::buildflowmatrix() {
    const int n = problemsize(ndept);
    maxflow = 0;

    // Each unit load moves along every consecutive pair of its routing steps.
    // Steps outside the routing vector or naming no department add nothing.
    const long products = std::clamp(nprod.whole(), 0L, long(maxprod));
    for (int p = 1; p <= products; ++p) {
        const double start = prodvecstart[p].whole();
        const double end = start + double(prodveclen[p].whole()) - 1;
        const int first = int(std::clamp(start + 1, 2.0, double(maxprodvec) + 1));
        const int last = int(std::clamp(end, 1.0, double(maxprodvec)));
        for (int s = first; s <= last; ++s) {
            const int from = routingstep(prodvec[s - 1]);
            const int to = routingstep(prodvec[s]);
            if (from == 0 || to == 0) continue;
            flowmatrix[from][to] = flowmatrix[from][to] + uload[p];
        }
    }

    // Both directions and the additions fold into the pair i < j. The matrix
    // is never cleared first: loads typed into it stay and are included.
    totalflow = 0;
    sumsqflow = 0;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const double f = addflowmatrix[i][j] + flowmatrix[i][j] + flowmatrix[j][i];
            flowmatrix[i][j] = f;
            flowmatrix[j][i] = 0;
            totalflow = totalflow + f;
            sumsqflow = sumsqflow + f * f;
            if (f > maxflow) maxflow = f;
        }
    }
}

void Module1::buildflowsfromloads() {
    // Building adds to the matrix, so each switch starts again from the loads.
    if (loadsheld == 1) {
        flowmatrix = heldloads;
    } else {
        heldloads = flowmatrix;
        loadsheld = 1;
    }
    buildflowmatrix();
}

void Module1::changeload(int i, int j, double load) {
    if (i < 1 || i >= j || j > maxdept) return;
    // What the routings and additions put into the pair stays with them; the
    // held load takes the rest of the typed flow.
    if (loadsheld == 1) heldloads[i][j] = heldloads[i][j] + (load - flowmatrix[i][j]);
    flowmatrix[i][j] = load;
}

double Module1::routedshare(int i, int j) const {
    if (loadsheld != 1 || i < 1 || i >= j || j > maxdept) return 0;
    return flowmatrix[i][j] - heldloads[i][j];
}

const Cell& Module1::fileload(int i, int j) const {
    return loadsheld == 1 ? heldloads[i][j] : flowmatrix[i][j];
}

void Module1::relchartfromflow() {
    const int n = problemsize(ndept);
    // Cuts at one to four fifths of the largest flow; a flow equal to a cut
    // gets the lower letter, and above the last one the first code.
    const double step = maxflow / 5;
    flowthresh[2] = step;
    for (int k = 3; k <= 5; ++k)
        flowthresh[k] = flowthresh[k - 1] + step;
    for (int i = 1; i <= n; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            Cell letter = relcode[1];
            for (int k = 2; k <= 5; ++k) {
                if (flowmatrix[i][j] <= flowthresh[k]) {
                    letter = relcode[7 - k];
                    break;
                }
            }
            relchart[i][j] = letter;
        }
    }
}

void Module1::backuprelchart() {
    // While the chart is derived from flows the backup keeps the typed chart.
    if (relfromflow == 1) return;
    const int n = problemsize(ndept);
    relchartbackup[0] = n;
    int position = 0;
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j)
            relchartbackup[++position] = relchart[i][j];
    }
}

void Module1::restorerelchart() {
    relfromflow = 0;
    // The departments stay as they are now. The backup's rows follow its own
    // department count; a pair with a department added since it was taken is
    // unrated.
    const int kept = boundedcount(relchartbackup[0], maxdept);
    const int n = problemsize(ndept);
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j)
            relchart[i][j] = j <= kept ? relchartbackup[rowposition(i, j, kept)] : Cell("");
    }
    // The chart window takes a new backup when it closes, now that the chart
    // is the typed one again.
    openwindow("relfrm");
    openwindow("svectfrm");
    openwindow("svect2frm");
    orderpairsbyrating();
}

void Module1::usestandardchart() {
    relfromflow = 0;
    chartsource = 0;
    loadsheld = 0;
    backuprelchart();
}
