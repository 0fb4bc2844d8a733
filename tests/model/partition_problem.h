#pragma once
// A problem for the partition tests: departments with areas, the standard
// codes and scores, and a few rated pairs; the pair lists and the area order
// are built as the department window builds them.

#include "model/module1.h"

#include <memory>
#include <string>
#include <vector>

struct RatedPair {
    int i, j;
    std::string letter;
};

inline std::unique_ptr<Module1>
partitionproblem(const std::vector<double>& areas, const std::vector<RatedPair>& pairs,
                 const std::vector<double>& scores = {10, 5, 2, 1, 0, -10}) {
    auto m = std::make_unique<Module1>();
    m->ndept = int(areas.size());
    const char* codes[] = {"A", "E", "I", "O", "U", "X"};
    for (int k = 1; k <= 6; ++k) {
        m->relcode[k] = codes[k - 1];
        m->relweight[k] = scores[k - 1];
    }
    for (int i = 1; i <= m->ndept; ++i) {
        m->deptname[i] = "D" + std::to_string(i);
        m->deptarea[i] = areas[i - 1];
        for (int j = i + 1; j <= m->ndept; ++j)
            m->relchart[i][j] = "";
    }
    for (const RatedPair& p : pairs)
        m->relchart[p.i][p.j] = p.letter;
    m->computeareastats();
    m->computescorevector();
    m->orderpairsbyrating();
    m->sortdeptsbyarea();
    return m;
}

// The members of story s in order.
inline std::vector<int> members(const Module1& m, int s) {
    return {m.storymembers[s].begin() + 1, m.storymembers[s].begin() + 1 + m.storycount[s]};
}

// Puts the current partition in place story by story, with its areas and score.
inline void setstories(Module1& m, const std::vector<std::vector<int>>& stories, double factor) {
    m.nstories = int(stories.size());
    m.desiredadf = factor;
    m.storyofdept = {};
    for (int s = 1; s <= m.nstories; ++s) {
        m.storycount[s] = int(stories[s - 1].size());
        m.storyarea[s] = 0;
        for (int k = 1; k <= m.storycount[s]; ++k) {
            const int d = stories[s - 1][k - 1];
            m.storymembers[s][k] = d;
            m.storyofdept[d] = s;
            m.storyarea[s] = m.storyarea[s] + m.deptarea[d];
        }
    }
    m.scorepartition();
    m.computeactualadf();
    m.computeareabounds();
}
