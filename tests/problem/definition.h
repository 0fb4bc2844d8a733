#pragma once
// Shared pieces of the problem-definition window tests: a fixture with the
// real window hooks, and scripts that confirm the chart and score windows.

#include "problem/relfrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"
#include "problem/windowtable.h"
#include "tests/support/scripted.h"

#include <string>
#include <vector>

class Definition : public ScriptedTest {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        installwindows(m);
    }

    // A typed problem: names and areas of departments 1..n, chart letters by row.
    void setproblem(const std::vector<std::string>& names, const std::vector<double>& areas) {
        m.initproblem();
        m.ndept = int(names.size());
        for (int i = 1; i <= m.ndept; ++i) {
            m.deptname[i] = names[std::size_t(i - 1)];
            m.deptarea[i] = areas[std::size_t(i - 1)];
        }
        m.computeareastats();
        m.newchart = 0;
    }

    // Continue in the chart, the score vector and the department scores.
    void confirmchartandscores() {
        driver.on<relfrm>("relfrm", [](relfrm& f) { f.okbut.press(); });
        driver.on<svectfrm>("svectfrm", [](svectfrm& f) { f.okbut.press(); });
        driver.on<svect2frm>("svect2frm", [](svect2frm& f) { f.okbut.press(); });
    }

    // The numbers of the pair boxes a chart shows.
    static std::vector<int> visibleboxes(const pairchart& chart) {
        std::vector<int> shown;
        for (int k = 0; k < pairchart::npairboxes; ++k)
            if (chart.reltxt[k].visible()) shown.push_back(k);
        return shown;
    }
};
