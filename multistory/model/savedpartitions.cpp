#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>

double Module1::savedstorysum(int s, int p) const {
    const int count = boundedcount(savedstorycount[s][p], maxdept);
    double area = 0;
    for (int m = 1; m <= count; ++m)
        area = area + savedentryarea(savedstorymembers[s][m][p]);
    return area;
}

void Module1::recomputesavedstoryareas() {
    const int parts = boundedcount(nsavedpart, maxsavedpart);
    for (int p = 1; p <= parts; ++p) {
        const int stories = boundedcount(savednstories[p], maxstories);
        for (int s = 1; s <= stories; ++s)
            savedstoryarea[s][p] = savedstorysum(s, p);
    }
}

void Module1::fitsavedpartitions() {
    const int n = problemsize(ndept);
    const int parts = boundedcount(nsavedpart, maxsavedpart);
    for (int p = 1; p <= parts; ++p) {
        // The story whose list holds each department: the first that names
        // it, stories and members in order. A department above the count, or
        // named again, leaves the list.
        Table<int, maxdept + 1> story{};
        const int stories = boundedcount(savednstories[p], maxstories);
        for (int s = 1; s <= stories; ++s) {
            const int count = boundedcount(savedstorycount[s][p], maxdept);
            int kept = 0;
            for (int m = 1; m <= count; ++m) {
                const Cell member = savedstorymembers[s][m][p];
                const int d = deptnumber(member);
                if (d > n || (d != 0 && story[d] != 0)) continue;
                if (d != 0) story[d] = s;
                savedstorymembers[s][++kept][p] = member;
            }
            if (kept == count) continue;
            for (int m = kept + 1; m <= count; ++m)
                savedstorymembers[s][m][p] = Cell::empty();
            savedstorycount[s][p] = kept;
            savedstoryarea[s][p] = savedstorysum(s, p);
        }
        for (int d = 1; d <= n; ++d)
            if (!says(savedstoryofdept[d][p], story[d])) savedstoryofdept[d][p] = story[d];
    }
    for (int d = n + 1; d <= maxdept; ++d)
        for (Cell& entry : savedstoryofdept[d])
            entry = Cell::empty();
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
