// Improvement of a partition by exchanging two departments between stories.

#include "model/module1.h"

#include <algorithm>

namespace {

// normal: an exchange must keep the factor within the desired one;
// restoring: the partition starts outside it and an exchange must not make
// the factor worse; restored: the exchange that brought the factor back
// within the desired one, committed whatever it does to the score.
enum class Mode { normal, restoring, restored };

// The smallest area starts here, so a larger story never counts as the smallest.
constexpr double smallareastart = 9999999;

// The score of the base with d1 (at position m1 of s1) and d2 (at m2 of s2)
// exchanged, from the base score and the other members of both stories.
double exchangescore(const Module1& m, const Table2<int, maxstories + 1, maxdept + 1>& members,
                     double basescore, int s1, int m1, int s2, int m2) {
    const int d1 = members[s1][m1];
    const int d2 = members[s2][m2];
    double trial = basescore;
    if (m.storycount[s1] > 1) {
        for (int k = 1; k <= m.storycount[s1]; ++k) {
            if (k == m1) continue;
            const int other = members[s1][k];
            trial = trial - m.relvalue[d1][other] + m.relvalue[d2][other];
        }
    }
    if (m.storycount[s2] > 1) {
        for (int k = 1; k <= m.storycount[s2]; ++k) {
            if (k == m2) continue;
            const int other = members[s2][k];
            trial = trial - m.relvalue[d2][other] + m.relvalue[d1][other];
        }
    }
    return trial;
}

} // namespace

void Module1::improvepartition() {
    if (nworkpartitions < 1) return;
    const PartitionRecord& kept = workpartitions[nworkpartitions];
    if (kept.improvedflag.num() != 0) {
        msgbox("AN IMPROVEMENT ALGORITHM HAS ALREADY BEEN USED FOR THIS PARTITION");
        return;
    }
    setpartition(kept);
    computeareabounds();
    const double allowed = desiredadf;
    Mode mode = actualadf > allowed ? Mode::restoring : Mode::normal;

    bool changed = true;
    while (changed) {
        changed = false;
        const auto basemembers = storymembers;
        const auto baseareas = storyarea;
        const auto basestory = storyofdept;
        const double basescore = partscore;
        for (int s1 = 1; s1 <= nstories - 1; ++s1) {
            for (int s2 = s1 + 1; s2 <= nstories; ++s2) {
                for (int m1 = 1; m1 <= storycount[s1]; ++m1) {
                    for (int m2 = 1; m2 <= storycount[s2]; ++m2) {
                        const int d1 = basemembers[s1][m1];
                        const int d2 = basemembers[s2][m2];
                        const double delta = double(deptarea[d1]) - deptarea[d2];
                        auto areas = baseareas;
                        areas[s1] = baseareas[s1] - delta;
                        areas[s2] = baseareas[s2] + delta;
                        const double factor = factorofareas(areas, smallareastart, 0);

                        if (mode == Mode::restoring && factor <= allowed) mode = Mode::restored;
                        const bool candidate = mode == Mode::restored ||
                                               (mode == Mode::normal && factor <= allowed) ||
                                               (mode == Mode::restoring && factor <= actualadf);
                        if (!candidate) continue;

                        const double trial =
                            exchangescore(*this, basemembers, basescore, s1, m1, s2, m2);
                        // The second test keeps a score too large to gain 1 from
                        // committing exchanges that change nothing.
                        const bool commit =
                            mode == Mode::restored || (trial >= partscore + 1 && trial > partscore);
                        if (!commit) continue;
                        if (mode == Mode::restored) mode = Mode::normal;

                        // Every commit starts again from the base.
                        storymembers = basemembers;
                        storyofdept = basestory;
                        storyarea = areas;
                        storymembers[s1][m1] = d2;
                        storymembers[s2][m2] = d1;
                        storyofdept[d2] = s1;
                        storyofdept[d1] = s2;
                        partscore = trial;
                        changed = true;
                    }
                }
            }
        }
    }
}
