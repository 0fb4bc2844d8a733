// The current partition: saving it, its area bounds, its score and its area
// difference factor, and the working records of the automatic partition.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int deptcount(const Module1& m) {
    return problemsize(m.ndept);
}

int storiesof(const Module1& m) {
    return std::clamp(m.nstories, 0, maxstories);
}

int membersof(const Module1& m, int s) {
    return std::clamp(m.storycount[s], 0, maxdept);
}

} // namespace

double Module1::factorofareas(const Table<double, maxstories + 1>& areas, double smallest,
                              double largest) const {
    const int stories = storiesof(*this);
    for (int s = 1; s <= stories; ++s) {
        if (areas[s] <= smallest) smallest = areas[s];
        if (areas[s] >= largest) largest = areas[s];
    }
    return std::max(1 - smallest / targetarea, largest / targetarea - 1);
}

Module1::PartitionRecord Module1::partitionrecord() const {
    PartitionRecord r{};
    r.nstories = storiesof(*this);
    r.partspare = partspare;
    r.improvedflag = improvedflag;
    r.desiredadf = desiredadf;
    r.actualadf = actualadf;
    for (int s = 1; s <= r.nstories; ++s) {
        r.storycount[s] = membersof(*this, s);
        r.storyarea[s] = storyarea[s];
        for (int m = 1; m <= r.storycount[s]; ++m)
            r.storymembers[s][m] = storymembers[s][m];
    }
    const int n = deptcount(*this);
    for (int i = 1; i <= n; ++i)
        r.storyofdept[i] = storyofdept[i];
    r.partscore = partscore;
    return r;
}

void Module1::setpartition(const PartitionRecord& r) {
    nstories = std::clamp(r.nstories, 0, maxstories);
    partspare = r.partspare;
    improvedflag = r.improvedflag;
    desiredadf = r.desiredadf;
    actualadf = r.actualadf;
    for (int s = 1; s <= nstories; ++s) {
        storycount[s] = std::clamp(r.storycount[s], 0, maxdept);
        storyarea[s] = r.storyarea[s];
        for (int m = 1; m <= storycount[s]; ++m)
            storymembers[s][m] = r.storymembers[s][m];
    }
    const int n = deptcount(*this);
    for (int i = 1; i <= n; ++i)
        storyofdept[i] = r.storyofdept[i];
    partscore = r.partscore;
}

void Module1::keepworkpartition() {
    // The automatic partition keeps four records per run; a fifth would be a
    // fault of the caller, and the last record is then replaced.
    nworkpartitions = std::clamp(nworkpartitions + 1, 1, int(workpartitions.size()) - 1);
    workpartitions[nworkpartitions] = partitionrecord();
}

void Module1::savepartition() {
    int p = int(std::clamp(nsavedpart.whole(), 0L, long(maxsavedpart))) + 1;
    if (p > maxsavedpart) {
        msgbox("MAXIMUM ALREADY SAVED");
        p = maxsavedpart;
    }
    nsavedpart = p;
    savedpartspare[p] = partspare;
    savedimproved[p] = improvedflag;
    savednstories[p] = nstories;
    saveddesiredadf[p] = desiredadf;
    savedactualadf[p] = actualadf;
    savedpartspare2[p] = Cell::empty();
    savedpartspare3[p] = Cell::empty();
    const int stories = storiesof(*this);
    for (int s = 1; s <= stories; ++s) {
        const int count = membersof(*this, s);
        savedstorycount[s][p] = count;
        savedstoryarea[s][p] = storyarea[s];
        for (int m = 1; m <= count; ++m)
            savedstorymembers[s][m][p] = storymembers[s][m];
    }
    const int n = deptcount(*this);
    for (int i = 1; i <= n; ++i)
        savedstoryofdept[i][p] = storyofdept[i];
    savedpartscore[p] = partscore;
}

void Module1::computeareabounds() {
    targetarea = totalarea / nstories;
    lowerarea = (1 - desiredadf) * targetarea;
    upperarea = (1 + desiredadf) * targetarea;
}

void Module1::scorepartition() {
    partscore = 0;
    const int stories = storiesof(*this);
    for (int s = 1; s <= stories; ++s) {
        const int count = membersof(*this, s);
        for (int a = 1; a <= count - 1; ++a) {
            for (int b = a + 1; b <= count; ++b) {
                const int da = storymembers[s][a];
                const int db = storymembers[s][b];
                if (inproblem(da) && inproblem(db)) partscore = partscore + relvalue[da][db];
            }
        }
    }
}

void Module1::computeactualadf() {
    targetarea = totalarea / nstories;
    constexpr double inf = std::numeric_limits<double>::infinity();
    actualadf = factorofareas(storyarea, inf, -inf);
}

void Module1::displayactualadf() {
    targetarea = totalarea / nstories;
    actualadf = factorofareas(storyarea, totalarea, 0);
}

bool Module1::partitioninputinrange(double stories, double factor) {
    return factor > 0 && factor <= 1 && stories > 0 && stories <= maxstories &&
           stories == std::floor(stories);
}
