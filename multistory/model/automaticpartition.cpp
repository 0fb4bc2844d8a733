// The automatic partition: a relationship-driven and an area-driven candidate,
// each balanced towards the lower area bound, scored and improved by exchanges;
// the better improved candidate becomes the current partition.

#include "model/module1.h"
#include "model/tableindex.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int classA = 1;
constexpr int classX = 6;
constexpr int maxlistedpairs = 153;

int deptcount(const Module1& m) {
    return problemsize(m.ndept);
}

double area(const Module1& m, int d) {
    return m.deptarea[d];
}

// The story count and the unopened stories lie within the tables.
bool storiesinrange(const Module1& m) {
    return m.nstories >= 1 && m.nstories <= maxstories && m.storiesleft >= 0 &&
           m.storiesleft <= m.nstories;
}

// The last place of the class-sorted list. The X block ends there; the list
// holds as many X pairs as the chart has pairs rated "X" or "x".
int lastlistedpair(const Module1& m) {
    const int n = deptcount(m);
    int xpairs = 0;
    for (int i = 1; i <= n - 1; ++i) {
        for (int j = i + 1; j <= n; ++j) {
            const std::string letter = m.relchart[i][j].str();
            if (letter == "X" || letter == "x") ++xpairs;
        }
    }
    return std::min(m.relclassstart[classX] + xpairs - 1, maxlistedpairs);
}

// Puts department d on story s after its present members.
void place(Module1& m, int d, int s) {
    m.storycount[s] += 1;
    m.storymembers[s][m.storycount[s]] = d;
    m.storyofdept[d] = s;
    m.storyarea[s] = m.storyarea[s] + area(m, d);
    m.nassigned += 1;
}

// The story that opens next; the caller places its first department.
int openstory(Module1& m) {
    const int s = m.nstories - m.storiesleft + 1;
    m.storiesleft -= 1;
    return s;
}

bool keptapartfrom(const Module1& m, int s, int d) {
    for (int k = 1; k <= m.storycount[s]; ++k) {
        if (m.keepapart[m.storymembers[s][k]][d] == 1) return true;
    }
    return false;
}

bool storieskeptapart(const Module1& m, int a, int b) {
    for (int k = 1; k <= m.storycount[a]; ++k) {
        if (keptapartfrom(m, b, m.storymembers[a][k])) return true;
    }
    return false;
}

// One placed department draws its unplaced partner onto its story when the
// story stays within the target area.
void joinpartner(Module1& m, int d, int s) {
    if (!keptapartfrom(m, s, d) && m.storyarea[s] + area(m, d) <= m.targetarea) place(m, d, s);
}

// Two unplaced departments open the next story together, or once every story
// is open join the story they relate to most.
void placepair(Module1& m, int i, int j) {
    if (!(area(m, i) + area(m, j) <= m.targetarea)) return;
    if (m.storiesleft > 0) {
        const int s = openstory(m);
        place(m, i, s);
        place(m, j, s);
        return;
    }
    int best = 0;
    for (int s = 1; s <= m.nstories; ++s) {
        if (keptapartfrom(m, s, i) || keptapartfrom(m, s, j)) continue;
        if (m.storyarea[s] + area(m, i) + area(m, j) > m.targetarea) continue;
        m.storygain[s] = 0;
        for (int k = 1; k <= m.storycount[s]; ++k) {
            const int d = m.storymembers[s][k];
            m.storygain[s] = m.storygain[s] + m.relvalue[i][d] + m.relvalue[j][d];
        }
        // Only a positive gain counts; the first story keeps a tie.
        if (m.storygain[s] > (best == 0 ? 0.0 : m.storygain[best])) best = s;
    }
    if (best == 0) return;
    place(m, i, best);
    place(m, j, best);
}

// Story b joins story a < b; the later opened stories close the gap.
void mergestories(Module1& m, int a, int b) {
    for (int k = 1; k <= m.storycount[b]; ++k) {
        const int d = m.storymembers[b][k];
        m.storycount[a] += 1;
        m.storymembers[a][m.storycount[a]] = d;
        m.storyofdept[d] = a;
    }
    m.storyarea[a] = m.storyarea[a] + m.storyarea[b];
    const int lastopened = m.nstories - m.storiesleft;
    if (b < lastopened) {
        for (int s = b; s < lastopened; ++s) {
            m.storyarea[s] = m.storyarea[s + 1];
            m.storycount[s] = m.storycount[s + 1];
            m.storymembers[s] = m.storymembers[s + 1];
        }
        const int n = deptcount(m);
        for (int d = 1; d <= n; ++d) {
            if (m.storyofdept[d] > b) m.storyofdept[d] -= 1;
        }
    }
    m.storiesleft += 1;
    const int unopened = m.nstories - m.storiesleft + 1;
    m.storyarea[unopened] = 0;
    m.storycount[unopened] = 0;
}

// The unplaced departments, largest first, open the remaining stories and then
// join the smallest story. Keep-apart marks do not count here.
void completepartition(Module1& m) {
    const int n = deptcount(m);
    while (m.nassigned != n) {
        int d = 0;
        for (int i = 1; i <= n; ++i) {
            if (m.storyofdept[i] == 0 && (d == 0 || area(m, i) > area(m, d))) d = i;
        }
        if (d == 0) return;
        int s = 1;
        if (m.storiesleft != 0) {
            s = openstory(m);
        } else {
            for (int t = 2; t <= m.nstories; ++t) {
                if (m.storyarea[t] < m.storyarea[s]) s = t;
            }
        }
        place(m, d, s);
    }
}

// Balance, score, keep, improve and keep again: each candidate leaves two
// working records, the constructed and the improved partition.
void finishcandidate(Module1& m) {
    m.balancepartition();
    m.scorepartition();
    m.computeactualadf();
    m.keepworkpartition();
    m.improvepartition();
    m.keepworkpartition();
}

// The improved candidates p1 (by relationship) and p2 (by area): within the
// factor the higher score wins, otherwise the smaller factor; ties go to p2.
int choosecandidate(const Module1& m, int p1, int p2) {
    const Module1::PartitionRecord& r1 = m.workpartitions[p1];
    const Module1::PartitionRecord& r2 = m.workpartitions[p2];
    const double allowed = m.desiredadf;
    const bool within1 = r1.actualadf <= allowed;
    const bool within2 = r2.actualadf <= allowed;
    if (within1 && within2) return r1.partscore > r2.partscore ? p1 : p2;
    if (within1 != within2) return within1 ? p1 : p2;
    if (r1.actualadf != r2.actualadf) return r1.actualadf < r2.actualadf ? p1 : p2;
    return r1.partscore > r2.partscore ? p1 : p2;
}

} // namespace

void Module1::automaticpartition() {
    if (nstories < 1 || nstories > maxstories) return;
    improvedflag = 0;
    computeareabounds();
    nworkpartitions = 0;
    resetpartition();
    partitionbyrelationship();
    finishcandidate(*this);
    const int p1 = nworkpartitions;
    resetpartition();
    fillstoriesbyarea();
    finishcandidate(*this);
    const int p2 = nworkpartitions;
    setpartition(workpartitions[choosecandidate(*this, p1, p2)]);
    nworkpartitions = 0;
}

void Module1::resetpartition() {
    const int n = deptcount(*this);
    for (int i = 1; i <= n; ++i) {
        storyofdept[i] = 0;
        for (int j = 1; j <= n; ++j)
            keepapart[i][j] = 0;
    }
    const int stories = std::clamp(nstories, 0, maxstories);
    for (int s = 1; s <= stories; ++s) {
        storycount[s] = 0;
        storyarea[s] = 0;
    }
    nassigned = 0;
    storiesleft = stories;
}

void Module1::partitionbyrelationship() {
    const double repulsion = std::abs(double(relweight[classX]));
    int cut = 0;
    for (int c = classA; c < classX; ++c) {
        if (double(relweight[c]) < repulsion) {
            cut = c;
            break;
        }
    }
    const int astart = relclassstart[classA];
    const int xstart = relclassstart[classX];
    const int xend = lastlistedpair(*this);
    if (cut == classA) {
        markpairsapart(xstart, xend);
        assignpairsbyrelationship(astart, xstart - 1);
    } else if (cut != 0) {
        assignpairsbyrelationship(astart, relclassstart[cut] - 1);
        markpairsapart(xstart, xend);
        assignpairsbyrelationship(relclassstart[cut], xstart - 1);
    } else {
        assignpairsbyrelationship(astart, xstart - 1);
        markpairsapart(xstart, xend);
    }
}

void Module1::markpairsapart(int first, int last) {
    const int n = deptcount(*this);
    for (int k = std::max(first, 1); k <= std::min(last, maxlistedpairs); ++k) {
        const int i = relclasspairs[1][k];
        const int j = relclasspairs[2][k];
        if (i < 1 || i > n || j < 1 || j > n) continue;
        if (storyofdept[i] == 0 || storyofdept[j] == 0) {
            keepapart[i][j] = 1;
            keepapart[j][i] = 1;
        }
    }
}

void Module1::assignpairsbyrelationship(int first, int last) {
    if (!storiesinrange(*this)) return;
    const int n = deptcount(*this);
    for (int k = std::max(first, 1); k <= std::min(last, maxlistedpairs); ++k) {
        if (nassigned >= n) return;
        const int i = relclasspairs[1][k];
        const int j = relclasspairs[2][k];
        if (i < 1 || i > n || j < 1 || j > n || i == j) continue;
        if (keepapart[i][j] == 1) continue;
        const int si = storyofdept[i];
        const int sj = storyofdept[j];
        if (si != 0 && sj == 0) {
            joinpartner(*this, j, si);
        } else if (si == 0 && sj != 0) {
            joinpartner(*this, i, sj);
        } else if (si == 0 && sj == 0) {
            placepair(*this, i, j);
        } else if (si != sj) {
            const int a = std::min(si, sj);
            const int b = std::max(si, sj);
            if (storyarea[a] + storyarea[b] <= targetarea && !storieskeptapart(*this, a, b))
                mergestories(*this, a, b);
        }
    }
    if (last == relclassstart[classX] - 1) completepartition(*this);
}

void Module1::fillstoriesbyarea() {
    const int n = deptcount(*this);
    if (n == 0 || !storiesinrange(*this)) return;
    // Positions k of the ascending area order: position n holds the largest.
    const auto areaat = [this](int k) { return area(*this, deptorder[k]); };
    const auto take = [this, &areaat](int k, int s) {
        ordertaken[k] = 1;
        place(*this, deptorder[k], s);
        storycap[s] = storycap[s] - areaat(k);
    };
    const auto freebelow = [this](int k) {
        for (int p = k - 1; p >= 1; --p) {
            if (ordertaken[p] == 0) return p;
        }
        return 0;
    };
    for (int k = 1; k <= n; ++k)
        ordertaken[k] = 0;
    int smallest = 1;
    double smallestarea = areaat(1);
    int next = n;
    for (int k = n; k >= 1; --k) {
        if (ordertaken[k] != 0 || storiesleft == 0) continue;
        // The largest free department seeds the next story.
        const int s = openstory(*this);
        ordertaken[k] = 1;
        place(*this, deptorder[k], s);
        storycap[s] = targetarea - storyarea[s];
        next = freebelow(k);
        if (next == 0) return;
        // Then the next largest while they fit.
        if (storycap[s] >= smallestarea) {
            while (storycap[s] >= areaat(next)) {
                take(next, s);
                next = freebelow(next);
                if (next == 0) return;
            }
        }
        if (!(storycap[s] >= smallestarea)) continue;
        // One department closes the story: the one that overshoots the room
        // left or the one below it that falls short, whichever is nearer.
        int choice = smallest;
        if (storycap[s] != smallestarea) {
            int over = 0;
            for (int p = 2; p <= n && over == 0; ++p) {
                if (ordertaken[p] == 0 && areaat(p) > storycap[s]) over = p;
            }
            if (over == 0) continue;
            const int under = freebelow(over);
            const bool takeover = under == 0 || areaat(over) + areaat(under) <= 2 * storycap[s];
            choice = takeover ? over : under;
        }
        if (std::abs(storycap[s] - areaat(choice)) <= targetarea - lowerarea) {
            take(choice, s);
            int p = smallest;
            while (p <= next && ordertaken[p] != 0)
                ++p;
            if (p > next) return;
            smallest = p;
            smallestarea = areaat(p);
        }
    }
    // The rest, largest first, go to the story with the most room left; when
    // no story has room, to the smallest story, so that every department ends
    // on a story.
    while (nassigned != n) {
        int k = next;
        while (k >= 1 && ordertaken[k] != 0)
            --k;
        if (k < 1) return;
        int s = 0;
        for (int t = 1; t <= nstories; ++t) {
            if (storycap[t] > 0 && (s == 0 || storycap[t] > storycap[s])) s = t;
        }
        if (s != 0) {
            take(k, s);
            if (storycap[s] < 0) storycap[s] = 0;
        } else {
            s = 1;
            for (int t = 2; t <= nstories; ++t) {
                if (storyarea[t] < storyarea[s]) s = t;
            }
            ordertaken[k] = 1;
            place(*this, deptorder[k], s);
        }
    }
}

void Module1::balancepartition() {
    const int n = deptcount(*this);
    for (int s = std::clamp(nstories, 0, maxstories); s >= 1; --s) {
        bool moved = true;
        while (moved && storyarea[s] < lowerarea) {
            moved = false;
            for (int k = n; k >= 1 && !moved; --k) {
                const int d = deptorder[k];
                const int t = storyofdept[d];
                if (t == 0 || t == s) continue;
                if (area(*this, d) + storyarea[s] <= upperarea &&
                    storyarea[t] - area(*this, d) >= lowerarea) {
                    // d leaves t; the members after it close up in their order.
                    const int count = storycount[t];
                    int at = 1;
                    while (at < count && storymembers[t][at] != d)
                        ++at;
                    for (int m = at; m < count; ++m)
                        storymembers[t][m] = storymembers[t][m + 1];
                    storycount[t] = count - 1;
                    storyarea[t] = storyarea[t] - area(*this, d);
                    storycount[s] += 1;
                    storymembers[s][storycount[s]] = d;
                    storyarea[s] = storyarea[s] + area(*this, d);
                    storyofdept[d] = s;
                    moved = true;
                }
            }
        }
    }
}
