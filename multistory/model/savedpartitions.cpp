#include "model/module1.h"

#include <algorithm>

namespace {

// A count cell as a loop bound, kept within its table.
int bounded(const Cell& count, int max) {
    return int(std::clamp(count.whole(), 0L, long(max)));
}

// A stored member as a department number; 0 (no department) when it lies outside the table.
int member(const Cell& d) {
    const long v = d.whole();
    return v >= 1 && v <= maxdept ? int(v) : 0;
}

} // namespace

void Module1::recomputesavedstoryareas() {
    const int parts = bounded(nsavedpart, maxsavedpart);
    for (int p = 1; p <= parts; ++p) {
        const int stories = bounded(savednstories[p], maxstories);
        for (int s = 1; s <= stories; ++s) {
            const int count = bounded(savedstorycount[s][p], maxdept);
            double area = 0;
            for (int m = 1; m <= count; ++m) {
                const int d = member(savedstorymembers[s][m][p]);
                if (d != 0) area = area + deptarea[d];
            }
            savedstoryarea[s][p] = area;
        }
    }
}

void Module1::rescoresavedpartitions() {
    const int parts = bounded(nsavedpart, maxsavedpart);
    for (int p = 1; p <= parts; ++p) {
        double score = 0;
        const int stories = bounded(savednstories[p], maxstories);
        for (int s = 1; s <= stories; ++s) {
            const int c = bounded(savedstorycount[s][p], maxdept);
            // b starts at a: the diagonal value of every member but the last is added too.
            for (int a = 1; a <= c - 1; ++a) {
                for (int b = a; b <= c; ++b) {
                    const int da = member(savedstorymembers[s][a][p]);
                    const int db = member(savedstorymembers[s][b][p]);
                    if (da != 0 && db != 0) score = score + relvalue[da][db];
                }
            }
        }
        savedpartscore[p] = score;
    }
}
