// The improvement walk: the basis number's checks, one display per exchange
// of free departments against the unchanged basis, Save and Terminate.

#include "singlestory/display1frm.h"
#include "singlestory/improvementalgorithmform.h"
#include "tests/singlestory/layoutproblem.h"
#include "tests/support/scripted.h"

#include <array>
#include <string>
#include <vector>

namespace {

constexpr std::array<int, 6> basis = {0, 101, 201, 501, 801, 902};

// Five departments; three saved layouts, the third of them the basis below.
class Walk : public ScriptedTest {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        setlayoutproblem(m, {{"A", 100}, {"B", 100}, {"C", 100}, {"D", 100}, {"E", 100}},
                         {{1, 2, "A"}, {3, 4, "E"}});
        for (int d = 1; d <= 5; ++d)
            placedept(m, d, basis[d] / 100, basis[d] % 100);
        for (int q = 1; q <= 3; ++q)
            savecurrent(m, q, 0.25 * q);
        m.nsavedlayouts = 3;
        m.zoneleft = {};
        m.zoneright = {};
        m.zonearea = {};
        m.deptpos = {};
    }
    // Queues n displays; each records its header and the exchanged pair, then
    // runs the action.
    void displays(int n, std::function<void(display1frm&, int)> action) {
        for (int k = 1; k <= n; ++k) {
            driver.on<display1frm>("display1frm", [this, k, action](display1frm& f) {
                headers.push_back(f.layoutbox.texts().at(0).text);
                std::string moved;
                for (int d = 1; d <= 5; ++d)
                    if (m.deptpos[d] != basis[d]) moved += std::to_string(d);
                exchanged.push_back(moved);
                EXPECT_EQ(m.itermode, 1);
                action(f, k);
            });
        }
    }
    void walk(const std::string& basisnumber) {
        driver.on<improvementalgorithmform>(
            "improvementalgorithmform", [&](improvementalgorithmform& w) {
                EXPECT_EQ(w.Label1.caption(), "Enter layout number for basis");
                w.ntxt.type(basisnumber);
                w.okbut.press();
                EXPECT_FALSE(w.isopen());
            });
        improvementalgorithmform w;
        w.show_modal();
    }
    void expectbasis() {
        for (int d = 1; d <= 5; ++d)
            EXPECT_EQ(m.deptpos[d], basis[d]) << d;
        EXPECT_EQ(m.zoneleft[1], 1);
        EXPECT_EQ(m.zoneright[9], 5);
        EXPECT_EQ(m.zonearea[8], 100);
    }
    std::vector<std::string> headers, exchanged;
};

TEST_F(Walk, BasisNumbersOutsideTheTableAreRefused) {
    driver.on<improvementalgorithmform>("improvementalgorithmform",
                                        [](improvementalgorithmform& w) {
                                            for (const char* n : {"4", "0", "-1", "1.5", "abc"}) {
                                                w.ntxt.type(n);
                                                w.okbut.press();
                                                EXPECT_TRUE(w.isopen());
                                            }
                                            w.cancelbut.press();
                                        });
    improvementalgorithmform w;
    w.show_modal();
    EXPECT_EQ(driver.messages(), std::vector<std::string>(5, "Layout number out of range"));
    EXPECT_EQ(m.deptpos[1], 0);
}

TEST_F(Walk, ShowsEveryExchangeOfFiveDepartmentsAgainstTheBasis) {
    displays(10, [](display1frm& f, int) { f.okbut.press(); });
    walk("3");
    std::vector<std::string> numbered;
    for (int k = 1; k <= 10; ++k)
        numbered.push_back("ITERATION " + std::to_string(k) + " ");
    EXPECT_EQ(headers, numbered);
    EXPECT_EQ(exchanged, (std::vector<std::string>{"12", "13", "14", "15", "23", "24", "25", "34",
                                                   "35", "45"}));
    EXPECT_EQ(m.baselayout, 3);
    EXPECT_EQ(m.itercount, 10);
    EXPECT_EQ(m.itermode, 0);
    expectbasis();
}

TEST_F(Walk, TerminateAtTheThirdEndsWithTheBasis) {
    displays(3, [](display1frm& f, int k) {
        if (k < 3) {
            f.okbut.press();
        } else {
            f.termbut.press();
        }
    });
    walk("3");
    EXPECT_EQ(headers.size(), 3u);
    EXPECT_EQ(m.stopflag, 1);
    EXPECT_EQ(m.itermode, 0);
    expectbasis();
}

TEST_F(Walk, FixedDepartmentsAreNeverExchanged) {
    m.deptfixed[2] = 1;
    m.deptfixed[5] = 1;
    displays(3, [](display1frm& f, int) { f.okbut.press(); });
    walk("3");
    EXPECT_EQ(exchanged, (std::vector<std::string>{"13", "14", "34"}));
}

TEST_F(Walk, ASavedExchangeIsAppendedAndTheWalkGoesOnFromTheBasis) {
    displays(10, [](display1frm& f, int k) {
        if (k == 2) {
            f.Savebut.press();
        } else {
            f.okbut.press();
        }
    });
    walk("3");
    EXPECT_EQ(exchanged.size(), 10u);
    EXPECT_EQ(exchanged[2], "14");
    ASSERT_EQ(m.nsavedlayouts.whole(), 4);
    EXPECT_EQ(m.saveddeptpos[1][4].whole(), 501);
    EXPECT_EQ(m.saveddeptpos[3][4].whole(), 101);
    EXPECT_EQ(m.saveddeptpos[1][3].whole(), 101);
    expectbasis();
}

} // namespace
