#pragma once
// Helpers of the partition window tests: a fixture with a small problem
// and ways to put partitions in place and into the saved table.

#include "model/module1.h"
#include "tests/support/scripted.h"

#include <string>
#include <vector>

struct RatedPair {
    int i, j;
    std::string letter;
};

class PartitionWindows : public ScriptedTest {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        m.program = Program::storeymany;
        // Four departments: 1 and 2 give a story of 400, 3 and 4 one of 600.
        // Pairs (1, 2) A and (3, 4) E make 15 of a possible 30.
        setproblem({100, 300, 200, 400},
                   {{1, 2, "A"}, {3, 4, "E"}, {1, 3, "E"}, {1, 4, "E"}, {2, 3, "E"}});
    }

    // Departments D1, D2, ... with the given areas, the standard codes and
    // scores, and the rated pairs; every other pair unrated.
    void setproblem(const std::vector<int>& areas, const std::vector<RatedPair>& pairs) {
        m.initproblem();
        m.ndept = int(areas.size());
        for (int i = 1; i <= m.ndept; ++i) {
            m.deptname[i] = "D" + std::to_string(i);
            m.deptarea[i] = areas[std::size_t(i - 1)];
        }
        for (const RatedPair& p : pairs)
            m.relchart[p.i][p.j] = p.letter;
        m.computeareastats();
        m.computescorevector();
        m.orderpairsbyrating();
        m.sortdeptsbyarea();
    }

    // Makes the stories the current partition, with their areas and score.
    void setstories(const std::vector<std::vector<int>>& stories, const Cell& factor) {
        m.nstories = int(stories.size());
        m.desiredadf = factor;
        m.storyofdept = {};
        for (int s = 1; s <= m.nstories; ++s) {
            const auto& members = stories[std::size_t(s - 1)];
            m.storycount[s] = int(members.size());
            m.storyarea[s] = 0;
            for (int k = 1; k <= m.storycount[s]; ++k) {
                const int d = members[std::size_t(k - 1)];
                m.storymembers[s][k] = d;
                m.storyofdept[d] = s;
                m.storyarea[s] = m.storyarea[s] + m.deptarea[d];
            }
        }
        m.scorepartition();
        m.computeactualadf();
    }

    // Appends the stories to the saved table; the score is given as stored.
    void savestories(const std::vector<std::vector<int>>& stories, const Cell& factor,
                     double score) {
        setstories(stories, factor);
        m.partscore = score;
        m.savepartition();
    }

    // The members of story s of the current partition, in order.
    std::vector<int> members(int s) const {
        return {m.storymembers[s].begin() + 1, m.storymembers[s].begin() + 1 + m.storycount[s]};
    }
};
