#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>

void Module1::recomputesavedstoryareas() {
    const int parts = boundedcount(nsavedpart, maxsavedpart);
    for (int p = 1; p <= parts; ++p) {
        const int stories = boundedcount(savednstories[p], maxstories);
        for (int s = 1; s <= stories; ++s) {
            const int count = boundedcount(savedstorycount[s][p], maxdept);
            double area = 0;
            for (int m = 1; m <= count; ++m)
                area = area + savedentryarea(savedstorymembers[s][m][p]);
            savedstoryarea[s][p] = area;
        }
    }
}

void Module1::rescoresavedpartitions() {
    const int parts = boundedcount(nsavedpart, maxsavedpart);
    for (int p = 1; p <= parts; ++p) {
        double score = 0;
        const int stories = boundedcount(savednstories[p], maxstories);
        for (int s = 1; s <= stories; ++s) {
            const int c = boundedcount(savedstorycount[s][p], maxdept);
            // b starts at a: the diagonal value of every member but the last is added too.
            for (int a = 1; a <= c - 1; ++a) {
                for (int b = a; b <= c; ++b) {
                    const int da = deptnumber(savedstorymembers[s][a][p]);
                    const int db = deptnumber(savedstorymembers[s][b][p]);
                    if (inproblem(da) && inproblem(db)) score = score + relvalue[da][db];
                }
            }
        }
        savedpartscore[p] = score;
    }
}

void Module1::refreshsavedpartitions() {
    recomputesavedstoryareas();
    rescoresavedpartitions();
}
