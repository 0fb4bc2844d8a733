// The automatic search window: the refused counts, the road through manual
// placement to the table, the layouts replacing the table, the fixed
// arrangement cleared afterwards.

#include "singlestory/automsearchfrm.h"
#include "singlestory/manualdeptfrm.h"
#include "singlestory/tablesavedlayoutsfrm.h"
#include "tests/singlestory/layoutwindows.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class AutomaticSearch : public LayoutWindows {
protected:
    // Asks for the typed count of layouts; the manual window runs place, the
    // table keeps its column 0.
    void search(
        const std::string& count,
        std::function<void(manualdeptfrm&)> place = [](manualdeptfrm&) {}) {
        driver.on<manualdeptfrm>("manualdeptfrm", [this, place](manualdeptfrm& f) {
            EXPECT_EQ(m.batchmode, 1);
            place(f);
            f.okbut.press();
        });
        driver.on<tablesavedlayoutsfrm>("tablesavedlayoutsfrm", [this](tablesavedlayoutsfrm& f) {
            EXPECT_EQ(m.batchmode, 1);
            for (int r = 1; r <= 20; ++r)
                rows.push_back(f.layoutgrd.textat(r, 0));
            f.backbut.press();
        });
        driver.on<automsearchfrm>("automsearchfrm", [count](automsearchfrm& f) {
            EXPECT_EQ(f.caption(), "Automatic Search");
            EXPECT_EQ(f.Label1.caption(), "Enter number of desired layouts (max = 20)");
            f.ngentxt.type(count);
            f.okbut.press();
            EXPECT_FALSE(f.isopen());
        });
        automsearchfrm f;
        f.show_modal();
    }
    Strings rows;
};

TEST_F(AutomaticSearch, RefusesCountsOutsideOneToTwentyAndText) {
    m.nsavedlayouts = 5;
    driver.on<automsearchfrm>("automsearchfrm", [](automsearchfrm& f) {
        for (const char* typed : {"0", "21", "-3", "many"}) {
            f.ngentxt.type(typed);
            f.okbut.press();
            EXPECT_TRUE(f.isopen()) << typed;
        }
        f.backbut.press();
    });
    automsearchfrm f;
    f.show_modal();
    EXPECT_EQ(driver.messages(), Strings(4, "Bad number of layouts entered!"));
    EXPECT_EQ(driver.opened(), Strings{"automsearchfrm"});
    EXPECT_EQ(m.nsavedlayouts.whole(), 5);
    EXPECT_EQ(m.batchmode, 0);
}

TEST_F(AutomaticSearch, ThreeLayoutsReplaceAnEarlierTableWithoutDrawingAny) {
    m.nsavedlayouts = 5;
    search("3");
    EXPECT_EQ(driver.opened(),
              (Strings{"automsearchfrm", "manualdeptfrm", "tablesavedlayoutsfrm"}));
    EXPECT_EQ(m.nsavedlayouts.whole(), 3);
    EXPECT_EQ(rows[2], "3");
    EXPECT_EQ(rows[3], "");
    EXPECT_EQ(m.batchmode, 0);
    // Each layout holds every department.
    for (int q = 1; q <= 3; ++q) {
        m.loadsavedlayout(q);
        EXPECT_TRUE(complete()) << q;
    }
}

TEST_F(AutomaticSearch, AFractionalCountGivesTheWholeLayoutsBelowIt) {
    search("2.5");
    EXPECT_EQ(m.nsavedlayouts.whole(), 2);
    EXPECT_EQ(rows[1], "2");
    EXPECT_EQ(rows[2], "");
}

TEST_F(AutomaticSearch, TwentyIsAccepted) {
    search("20");
    EXPECT_EQ(m.nsavedlayouts.whole(), 20);
    EXPECT_EQ(rows[19], "20");
}

TEST_F(AutomaticSearch, EveryDepartmentFixedByHandIsEachLayoutThenTheFixingEnds) {
    const int codes[] = {0, 101, 302, 501, 502, 802, 901};
    search("2", [&](manualdeptfrm& f) {
        for (int d = 1; d <= 6; ++d) {
            f.deptlst.clickitem(d - 1);
            f.zonelst.clickitem(codes[d] / 100 - 1);
            f.sidelst.clickitem(codes[d] % 100 - 1);
            f.manualbut.press();
        }
    });
    ASSERT_EQ(m.nsavedlayouts.whole(), 2);
    for (int q = 1; q <= 2; ++q)
        for (int d = 1; d <= 6; ++d)
            EXPECT_EQ(m.saveddeptpos[d][q].whole(), codes[d]);
    EXPECT_EQ(m.savedadjscore[1], m.savedadjscore[2]);
    // The search's fixing ends with it.
    EXPECT_EQ(m.hasfixed, 0);
    EXPECT_EQ(m.fixdeptpos, (Table<int, 19>{}));
    EXPECT_EQ(m.fixzoneleft, (Table<int, 10>{}));
    EXPECT_EQ(m.fixzoneright, (Table<int, 10>{}));
    EXPECT_EQ(m.fixzonearea, (Table<double, 10>{}));
}

} // namespace
