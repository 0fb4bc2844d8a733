#include "model/module1.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<Module1> freshproblem() {
    auto m = std::make_unique<Module1>();
    m->timer = [] { return 3600.0; };
    m->initproblem();
    return m;
}

} // namespace

TEST(NewProblem, DefaultsRightAfterStart) {
    const auto m = freshproblem();
    EXPECT_EQ(m->ndept, 0);
    const char* const codes[] = {"A", "E", "I", "O", "U", "X"};
    const int weights[] = {10, 5, 2, 1, 0, -10};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(m->relcode[k], Cell(codes[k - 1]));
        EXPECT_EQ(m->relweight[k], Cell(weights[k - 1]));
    }
    for (int k = 1; k <= 9; ++k) {
        EXPECT_EQ(m->zoneletter[k], std::string(1, char('A' + k - 1)));
        EXPECT_EQ(m->zonelabel[k], m->zoneletter[k]);
    }
    for (int i = 1; i <= 18; ++i) {
        for (int j = 1; j <= 18; ++j) {
            EXPECT_EQ(m->flowmatrix[i][j], Cell(0));
            EXPECT_EQ(m->addflowmatrix[i][j], Cell(0));
            EXPECT_EQ(m->flowdist[i][j], 0);
            if (i < j) {
                EXPECT_EQ(m->relchart[i][j], Cell(""));
            }
        }
    }
    EXPECT_EQ(m->newchart, 1);
    EXPECT_EQ(m->prodflag, 1);
    EXPECT_EQ(m->batchmode, 0);
    EXPECT_EQ(m->chartsource, 0);
    EXPECT_TRUE(m->problementered.isempty());
    EXPECT_TRUE(m->nsavedlayouts.isempty());
    EXPECT_TRUE(m->nsavedpart.isempty());
    EXPECT_TRUE(m->nprod.isempty());
}

TEST(NewProblem, KeepsProductsSavedTablesAndTheCompletedMark) {
    auto m = freshproblem();
    m->ndept = 4;
    m->nprod = 2;
    m->nsavedlayouts = 3;
    m->nsavedpart = 1;
    m->problementered = 1;
    m->relweight[1] = 20;
    m->deptname[2] = "Paint";
    for (int i = 1; i <= 18; ++i)
        m->deptpos[i] = 100 + i % 2 + 1;
    m->zoneleft[3] = 4;
    m->zonearea[3] = 50;
    m->relchart[1][2] = "A";
    m->flowmatrix[2][1] = 7;

    m->initproblem();
    EXPECT_EQ(m->ndept, 0);
    EXPECT_EQ(m->nprod, Cell(2));
    EXPECT_EQ(m->nsavedlayouts, Cell(3));
    EXPECT_EQ(m->nsavedpart, Cell(1));
    EXPECT_EQ(m->problementered, Cell(1));
    EXPECT_EQ(m->relweight[1], Cell(10));
    EXPECT_EQ(m->deptname[2], "Paint");
    for (int i = 1; i <= 18; ++i)
        EXPECT_EQ(m->deptpos[i], 0);
    EXPECT_EQ(m->zoneleft[3], 0);
    EXPECT_EQ(m->zonearea[3], 0);
    EXPECT_EQ(m->relchart[1][2], Cell(""));
    EXPECT_EQ(m->flowmatrix[2][1], Cell(0));
}

TEST(NewProblem, SeedsTheGeneratorFromTheTimer) {
    auto a = freshproblem();
    auto b = freshproblem();
    auto c = std::make_unique<Module1>();
    c->timer = [] { return 3601.0; };
    c->initproblem();
    bool differs = false;
    for (int i = 0; i < 100; ++i) {
        const double x = a->rnd();
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
        EXPECT_EQ(x, b->rnd());
        differs = differs || x != c->rnd();
    }
    EXPECT_TRUE(differs);
    Module1 d;
    d.randomize(3600.0 + 1234.56);
    auto e = freshproblem();
    EXPECT_EQ(d.rnd(), e->rnd());
}

TEST(NewProblem, TimerWithoutHookIsSecondsSinceMidnight) {
    const Module1 m;
    const double t = m.timervalue();
    EXPECT_GE(t, 0.0);
    EXPECT_LT(t, 86401.0);
}

TEST(AreaStats, PopulationDeviation) {
    Module1 m;
    m.ndept = 3;
    m.deptarea[1] = 100;
    m.deptarea[2] = 200;
    m.deptarea[3] = 300;
    m.deptarea[4] = 1000; // beyond the count: not part of the problem
    m.computeareastats();
    EXPECT_EQ(m.totalarea, 600);
    EXPECT_EQ(m.avgarea, 200);
    EXPECT_NEAR(m.stdarea, 81.649658, 1e-6);
}

TEST(AreaStats, NoDepartmentsAndRoundingBelowZeroGiveZero) {
    Module1 m;
    m.totalarea = m.avgarea = m.stdarea = 5;
    m.computeareastats();
    EXPECT_EQ(m.totalarea, 0);
    EXPECT_EQ(m.avgarea, 0);
    EXPECT_EQ(m.stdarea, 0);

    m.ndept = 3;
    for (int i = 1; i <= 3; ++i)
        m.deptarea[i] = 0.1;
    m.computeareastats();
    EXPECT_FALSE(std::isnan(m.stdarea));
    EXPECT_GE(m.stdarea, 0);
    EXPECT_LT(m.stdarea, 1e-7);

    m.ndept = 2;
    m.deptarea[1] = Cell();      // empty reads as 0
    m.deptarea[2] = Cell("abc"); // a text that is no number reads as 0
    m.computeareastats();
    EXPECT_EQ(m.totalarea, 0);
}

TEST(Hooks, MessagesAndWindowsGoThroughTheHooks) {
    Module1 m;
    std::vector<std::string> said;
    std::vector<std::string> opened;
    m.openwindow("relfrm"); // nothing installed: nothing happens
    m.showmessage = [&](std::string_view t) { said.emplace_back(t); };
    m.showwindow = [&](std::string_view n) { opened.emplace_back(n); };
    m.msgbox("Problem must be entered first!");
    m.openwindow("relfrm");
    EXPECT_EQ(said, std::vector<std::string>{"Problem must be entered first!"});
    EXPECT_EQ(opened, std::vector<std::string>{"relfrm"});
}

TEST(Hooks, MessageWithoutHookGoesToStandardError) {
    const Module1 m;
    testing::internal::CaptureStderr();
    m.msgbox("MAXIMUM ALREADY SAVED");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "MAXIMUM ALREADY SAVED\n");
}

TEST(ProgramState, AccessorReturnsTheInstalledInstance) {
    Module1 a;
    usemodule1(&a);
    EXPECT_EQ(&module1(), &a);
    usemodule1(nullptr);
}

TEST(ProgramStateDeathTest, AccessorWithoutInstanceStopsWithAMessage) {
    usemodule1(nullptr);
    EXPECT_DEATH(module1(), "no program state installed");
}
