// The single-story menu in both programs: captions and order, random layout,
// manual placement, review and table of saved layouts, and the improvement
// walk of storeymany's copy.

#include "singlestory/automsearchfrm.h"
#include "singlestory/display1frm.h"
#include "singlestory/improvementalgorithmform.h"
#include "singlestory/manualdeptfrm.h"
#include "singlestory/singlemenufrm.h"
#include "singlestory/tablesavedlayoutsfrm.h"
#include "tests/singlestory/layoutwindows.h"

#include <functional>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

class SingleMenu : public LayoutWindows {
protected:
    // Opens the menu, runs the script, then goes back to the main menu.
    void menu(std::function<void(singlemenufrm&)> script) {
        driver.on<singlemenufrm>("singlemenufrm", [script](singlemenufrm& f) {
            script(f);
            f.backbut.press();
        });
        singlemenufrm f;
        f.show_modal();
    }
    // Queues a display that records the layout it shows.
    void display() {
        driver.on<display1frm>("display1frm", [this](display1frm& f) {
            shown.push_back(m.deptpos);
            headers.push_back(f.layoutbox.texts().at(0).text);
            EXPECT_TRUE(complete());
            f.okbut.press();
        });
    }
    // Fixes department d on a side of a zone, in the fixed arrangement only.
    void fix(int d, int zone, int side) {
        (side == 1 ? m.fixzoneleft : m.fixzoneright)[zone] = d;
        m.fixdeptpos[d] = 100 * zone + side;
        m.fixzonearea[zone] = m.fixzonearea[zone] + m.deptarea[d];
        m.hasfixed = 1;
    }
    std::vector<Table<int, 19>> shown;
    Strings headers;
};

bool above(const QWidget& a, const QWidget& b) {
    return a.y() < b.y();
}

TEST_F(SingleMenu, OpensByNameWithStoreyoneCaptionsAndOrder) {
    m.problemfile = "/work/SHOP";
    m.chartsource = 1;
    driver.on<singlemenufrm>("singlemenufrm", [](singlemenufrm& f) {
        EXPECT_EQ(f.caption(), "Single Story Menu");
        EXPECT_EQ(f.Label1.caption(), "SINGLE STORY MENU");
        EXPECT_EQ(f.Label2.caption(), "/work/SHOP");
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using material handling relationship chart");
        EXPECT_EQ(f.randombut.caption(), "Generate Random Layout");
        EXPECT_EQ(f.autobut.caption(), "Automatic Search For Layouts");
        EXPECT_EQ(f.manualbut.caption(), "Manually Insert Departments");
        EXPECT_EQ(f.reviewbut.caption(), "Graphical Review of Saved Layouts");
        EXPECT_EQ(f.tablebut.caption(), "Summary Table of Saved Layouts");
        EXPECT_EQ(f.backbut.caption(), "Back to Main Menu");
        EXPECT_FALSE(f.improvebut.visible());
        EXPECT_TRUE(above(f.randombut, f.autobut));
        EXPECT_TRUE(above(f.autobut, f.manualbut));
        EXPECT_TRUE(above(f.manualbut, f.reviewbut));
        EXPECT_TRUE(above(f.reviewbut, f.tablebut));
        EXPECT_TRUE(above(f.tablebut, f.backbut));
        f.reviewbut.press();
        f.backbut.press();
    });
    m.openwindow("singlemenufrm");
    EXPECT_EQ(driver.opened(), Strings{"singlemenufrm"});
    EXPECT_EQ(driver.messages(), Strings{"No layouts saved!"});
}

TEST_F(SingleMenu, StoreymanyNumbersItsButtonsAndOffersTheWalk) {
    m.program = Program::storeymany;
    menu([this](singlemenufrm& f) {
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using standard relationship chart");
        EXPECT_EQ(f.manualbut.caption(), "1. Manually Insert Departments");
        EXPECT_EQ(f.randombut.caption(), "2. Random Layout");
        EXPECT_EQ(f.improvebut.caption(), "3. Improvement Algorithm");
        EXPECT_EQ(f.autobut.caption(), "4. Automatic Search");
        EXPECT_EQ(f.reviewbut.caption(), "5. Review Saved Layouts");
        EXPECT_EQ(f.tablebut.caption(), "6. Table of Saved Layouts");
        EXPECT_TRUE(f.improvebut.visible());
        EXPECT_TRUE(above(f.manualbut, f.randombut));
        EXPECT_TRUE(above(f.randombut, f.improvebut));
        EXPECT_TRUE(above(f.improvebut, f.autobut));
        EXPECT_TRUE(above(f.autobut, f.reviewbut));
        EXPECT_TRUE(above(f.tablebut, f.backbut));
        f.improvebut.press();
        m.nsavedlayouts = 1;
        driver.on<improvementalgorithmform>(
            "improvementalgorithmform", [](improvementalgorithmform& w) { w.cancelbut.press(); });
        f.improvebut.press();
    });
    EXPECT_EQ(driver.messages(), Strings{"No layouts currently saved"});
    EXPECT_EQ(driver.opened(), (Strings{"singlemenufrm", "improvementalgorithmform"}));
}

TEST_F(SingleMenu, RandomLayoutPlacesEveryDepartmentAfreshThenRestoresTheFixed) {
    fix(3, 5, 2);
    placedept(m, 3, 5, 2);
    placedept(m, 1, 1, 1); // left from an earlier layout
    m.nsavedlayouts = 3;
    m.curlayout = 6; // stale, from an earlier table
    // What a random placement of an empty layout gives with the next seed.
    Module1 twin = m;
    twin.zoneleft = twin.zoneright = {};
    twin.zonearea = {};
    twin.deptpos = {};
    twin.timer = [c = clock]() mutable { return c += 2.75; };
    twin.randomlayout();

    display();
    menu([](singlemenufrm& f) { f.randombut.press(); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], twin.deptpos);
    EXPECT_EQ(headers[0], "LAYOUT 4");
    // The fixed arrangement is the current layout again.
    EXPECT_EQ(m.deptpos, m.fixdeptpos);
    EXPECT_EQ(m.zoneright[5], 3);
    EXPECT_EQ(m.zoneleft[1], 0);
}

TEST_F(SingleMenu, StoreymanyRandomLayoutKeepsWhatIsPlaced) {
    m.program = Program::storeymany;
    placedept(m, 3, 5, 2);
    display();
    menu([](singlemenufrm& f) { f.randombut.press(); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0][3], 502);
    EXPECT_EQ(m.deptpos[3], 0); // the empty fixed arrangement restored
}

TEST_F(SingleMenu, ManualPlacementWithNothingPlacedShowsAFullyRandomLayout) {
    fix(2, 1, 1); // an earlier fixed arrangement, cleared first
    driver.on<manualdeptfrm>("manualdeptfrm", [](manualdeptfrm& f) { f.okbut.press(); });
    display();
    menu([](singlemenufrm& f) { f.manualbut.press(); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(m.hasfixed, 0);
    EXPECT_EQ(m.fixdeptpos, (Table<int, 19>{}));
    EXPECT_EQ(m.deptpos, shown[0]); // nothing copied back
}

TEST_F(SingleMenu, ManualPlacementIsCompletedAtRandomAroundIt) {
    driver.on<manualdeptfrm>("manualdeptfrm", [](manualdeptfrm& f) {
        f.deptlst.clickitem(2);
        f.zonelst.clickitem(4);
        f.sidelst.clickitem(1);
        f.manualbut.press();
        f.okbut.press();
    });
    display();
    menu([](singlemenufrm& f) { f.manualbut.press(); });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0][3], 502);
    EXPECT_EQ(m.fixdeptpos[3], 502);
    EXPECT_EQ(m.hasfixed, 1);
}

TEST_F(SingleMenu, StoreymanyManualPlacementShowsNoLayout) {
    m.program = Program::storeymany;
    driver.on<manualdeptfrm>("manualdeptfrm", [](manualdeptfrm& f) { f.okbut.press(); });
    menu([](singlemenufrm& f) { f.manualbut.press(); });
    EXPECT_EQ(driver.opened(), (Strings{"singlemenufrm", "manualdeptfrm"}));
    EXPECT_EQ(m.deptpos, (Table<int, 19>{}));
}

TEST_F(SingleMenu, ReviewShowsEverySavedLayoutThenEmptiesTheCurrent) {
    const int first[] = {0, 101, 102, 201, 202, 301, 302};
    const int second[] = {0, 901, 902, 801, 802, 701, 702};
    for (const int* codes : {first, second}) {
        m.zoneleft = m.zoneright = {};
        m.zonearea = {};
        m.deptpos = {};
        for (int d = 1; d <= 6; ++d)
            placedept(m, d, codes[d] / 100, codes[d] % 100);
        savecurrent(m, codes == first ? 1 : 2, 0.5);
    }
    m.nsavedlayouts = 2;
    display();
    display();
    menu([](singlemenufrm& f) { f.reviewbut.press(); });
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0][1], 101);
    EXPECT_EQ(shown[1][1], 901);
    EXPECT_EQ(headers, (Strings{"LAYOUT 1", "LAYOUT 2"}));
    EXPECT_EQ(m.deptpos, (Table<int, 19>{}));
    EXPECT_EQ(m.curlayout, 3);
}

TEST_F(SingleMenu, TheTableRunsQuietAndLeavesBatchModeZero) {
    driver.on<tablesavedlayoutsfrm>("tablesavedlayoutsfrm", [this](tablesavedlayoutsfrm& f) {
        EXPECT_EQ(m.batchmode, 1);
        f.backbut.press();
    });
    driver.on<automsearchfrm>("automsearchfrm", [](automsearchfrm& f) { f.backbut.press(); });
    menu([](singlemenufrm& f) {
        f.tablebut.press();
        f.autobut.press();
    });
    EXPECT_EQ(m.batchmode, 0);
    EXPECT_EQ(driver.opened(),
              (Strings{"singlemenufrm", "tablesavedlayoutsfrm", "automsearchfrm"}));
}

} // namespace
