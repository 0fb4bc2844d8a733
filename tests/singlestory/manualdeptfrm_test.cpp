// Manual placement: the drawing in the box's two coordinate systems, the
// lists, placing, the messages of missing selections, the refused placements
// and Return; and the two windows no menu opens.

#include "singlestory/exchangedeptsfrm.h"
#include "singlestory/manualdeptfrm.h"
#include "singlestory/manualfixfrm.h"
#include "tests/singlestory/layoutwindows.h"

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace {

using Kind = forms::DrawOp::Kind;
using Strings = std::vector<std::string>;

class ManualPlacement : public LayoutWindows {
protected:
    void open(std::function<void(manualdeptfrm&)> script) {
        driver.on<manualdeptfrm>("manualdeptfrm", [this, script](manualdeptfrm& f) {
            script(f);
            ops = f.layoutbox.ops();
            texts = f.layoutbox.texts();
            if (f.isopen()) f.okbut.press();
        });
        manualdeptfrm f;
        f.show_modal();
    }
    // Selects department d, zone letter z (0 = A) and side s (0 Left); -1 skips a list.
    static void place(manualdeptfrm& f, int d, int z, int s) {
        if (d >= 0) f.deptlst.clickitem(d);
        if (z >= 0) f.zonelst.clickitem(z);
        if (s >= 0) f.sidelst.clickitem(s);
        f.manualbut.press();
    }
    bool printedat(double x, double y, const std::string& s) const {
        for (const auto& t : texts)
            if (std::abs(t.x - x) < 1e-9 && std::abs(t.y - y) < 1e-9 && t.text == s) return true;
        return false;
    }
    std::vector<forms::DrawOp> ops;
    std::vector<forms::Surface::PrintedText> texts;
};

TEST_F(ManualPlacement, DrawsHeadingAndLegendInPixelsThenTheGridInTheScale) {
    std::vector<std::pair<std::string, double>> depts;
    for (int d = 1; d <= 18; ++d)
        depts.push_back({"D" + std::to_string(d), 10});
    setlayoutproblem(m, depts, {});
    for (int z = 1; z <= 9; ++z)
        m.zoneletter[z] = m.zonelabel[z] = std::string(1, char('A' + z - 1));
    m.drawcellwidth = 150;
    m.drawcellheight = 50;
    open([](manualdeptfrm& f) {
        EXPECT_EQ(f.caption(), "Manual Departments");
        EXPECT_FALSE(f.donebut.visible());
    });

    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(ops[0].kind, Kind::font);
    EXPECT_EQ(ops[0].text, "Times New Roman");
    EXPECT_EQ(texts[0].text, "Fixed Depts");
    EXPECT_EQ(texts[0].x, 5);
    EXPECT_EQ(texts[0].y, 2);
    // Three full rows of six, 145 pixels apart, from y 512.
    EXPECT_TRUE(printedat(40, 512, " 1  D1"));
    EXPECT_TRUE(printedat(765, 512, " 6  D6"));
    EXPECT_TRUE(printedat(40, 524, " 7  D7"));
    EXPECT_TRUE(printedat(40, 536, " 13  D13"));
    EXPECT_TRUE(printedat(765, 536, " 18  D18"));

    // The scale comes after the legend; then thirteen lines from (100, 5).
    std::size_t at = 0;
    while (at < ops.size() && ops[at].kind != Kind::scale)
        ++at;
    ASSERT_LT(at, ops.size());
    EXPECT_EQ(ops[at].x2, 640);
    EXPECT_EQ(ops[at].y2, 200);
    for (std::size_t i = 0; i < at; ++i)
        EXPECT_NE(ops[i].kind, Kind::line);
    const double ends[][2] = {{550, 5},   {550, 155}, {100, 155}, {100, 5}, {250, 5},
                              {250, 155}, {400, 155}, {400, 5},   {550, 5}, {550, 55},
                              {100, 55},  {100, 105}, {550, 105}};
    std::vector<forms::DrawOp> lines;
    for (const auto& op : ops)
        if (op.kind == Kind::line) lines.push_back(op);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0].x1, 100);
    EXPECT_EQ(lines[0].y1, 5);
    for (std::size_t i = 0; i < 13; ++i) {
        EXPECT_EQ(lines[i].x2, ends[i][0]) << i;
        EXPECT_EQ(lines[i].y2, ends[i][1]) << i;
    }
    // Zone letters with their top left at the centre of each cell.
    EXPECT_TRUE(printedat(175, 30, "A"));
    EXPECT_TRUE(printedat(325, 80, "E"));
    EXPECT_TRUE(printedat(475, 130, "I"));
}

TEST_F(ManualPlacement, GridFlagFiveDrawsNoLettersAndStoreymanyHasItsLegend) {
    m.program = Program::storeymany;
    m.gridflag = 5;
    open([](manualdeptfrm&) {});
    EXPECT_TRUE(printedat(1, 412, " 1  RECEIVING"));
    EXPECT_TRUE(printedat(481, 412, " 6  SHIPPING"));
    for (const auto& t : texts)
        EXPECT_NE(t.text, "A");
}

TEST_F(ManualPlacement, FillsTheListsAndSizesTheBuilding) {
    m.layoutwidth = 0;
    m.layoutlength = 0;
    open([](manualdeptfrm& f) {
        ASSERT_EQ(f.deptlst.listcount(), 6);
        EXPECT_EQ(f.deptlst.list(0), " 1 - RECEIVING");
        EXPECT_EQ(f.deptlst.list(5), " 6 - SHIPPING");
        ASSERT_EQ(f.zonelst.listcount(), 9);
        EXPECT_EQ(f.zonelst.list(0), "A");
        EXPECT_EQ(f.zonelst.list(8), "I");
        EXPECT_EQ(f.sidelst.list(0), "Left");
        EXPECT_EQ(f.sidelst.list(1), "Right");
    });
    EXPECT_EQ(m.layoutwidth.num(), std::sqrt(500 / 1.5));
    EXPECT_EQ(m.layoutlength.num(), std::sqrt(500 / 1.5) * 1.5);
    // Without a ratio or a building: the default ratio, never a division by 0.
    m.lwratio = Cell();
    m.layoutwidth = Cell();
    open([](manualdeptfrm&) {});
    EXPECT_EQ(m.layoutwidth.num(), std::sqrt(500 / 1.35));
}

TEST_F(ManualPlacement, PlacesAndListsEachDepartmentThenReturnFixesThem) {
    m.clearlayouts();
    open([this](manualdeptfrm& f) {
        place(f, 2, 4, 1); // department 3, zone E, Right
        EXPECT_EQ(m.deptpos[3], 502);
        EXPECT_EQ(m.zoneright[5], 3);
        EXPECT_EQ(m.zonearea[5], 80);
        EXPECT_EQ(m.hasfixed, 1);
        EXPECT_EQ(m.fixdeptpos[3], 0); // not fixed before Return
        place(f, 0, 0, 0);             // department 1, zone A, Left
        EXPECT_EQ(m.nfixlisted, 2);
        EXPECT_FALSE(f.deptlst.selected(0));
        f.okbut.press();
        EXPECT_FALSE(f.isopen());
    });
    EXPECT_TRUE(printedat(5, 12, " 3 E-R"));
    EXPECT_TRUE(printedat(5, 24, " 1 A-L"));
    EXPECT_EQ(m.fixdeptpos[3], 502);
    EXPECT_EQ(m.fixdeptpos[1], 101);
    EXPECT_EQ(m.fixzoneright[5], 3);
    EXPECT_EQ(m.fixzoneleft[1], 1);
    EXPECT_EQ(m.fixzonearea[1], 100);
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(ManualPlacement, ReportsTheFirstListWithoutASelectionOnly) {
    m.clearlayouts();
    open([this](manualdeptfrm& f) {
        place(f, -1, 3, -1);
        EXPECT_TRUE(f.zonelst.selected(3)); // not read
        f.zonelst.setselected(3, false);

        place(f, 1, 3, -1);
        EXPECT_FALSE(f.deptlst.selected(1)); // read and deselected
        EXPECT_FALSE(f.zonelst.selected(3));

        place(f, 1, -1, 0);
        EXPECT_TRUE(f.sidelst.selected(0));
        EXPECT_EQ(m.hasfixed, 0);
        EXPECT_EQ(m.deptpos, (Table<int, 19>{}));
    });
    EXPECT_EQ(driver.messages(),
              (Strings{"Department not selected", "Side not selected", "Zone not selected"}));
}

TEST_F(ManualPlacement, RefusesAPlacedDepartmentAndAnOccupiedSide) {
    m.clearlayouts();
    open([this](manualdeptfrm& f) {
        place(f, 2, 4, 1);
        place(f, 2, 0, 0); // department 3 again
        place(f, 3, 4, 1); // zone E, Right again
        EXPECT_EQ(m.deptpos[3], 502);
        EXPECT_EQ(m.deptpos[4], 0);
        EXPECT_EQ(m.zoneleft[1], 0);
        EXPECT_EQ(m.zonearea[5], 80);
        EXPECT_EQ(m.zonearea[1], 0);
        EXPECT_EQ(m.nfixlisted, 1);
        place(f, 3, 4, 0); // the other side of zone E is free
        EXPECT_EQ(m.zonearea[5], 200);
    });
    EXPECT_EQ(driver.messages(), (Strings{"Department already placed", "Side already occupied"}));
}

TEST_F(ManualPlacement, ReturnWithNothingPlacedLeavesTheFixedArrangementEmpty) {
    m.clearlayouts();
    m.hasfixed = 1; // from an earlier opening
    open([](manualdeptfrm& f) { f.okbut.press(); });
    EXPECT_EQ(m.hasfixed, 0);
    EXPECT_EQ(m.fixdeptpos, (Table<int, 19>{}));
    EXPECT_EQ(m.fixzonearea, (Table<double, 10>{}));
}

TEST_F(ManualPlacement, TheWindowsNoMenuOpens) {
    driver.on<manualfixfrm>("manualfixfrm", [](manualfixfrm& f) {
        EXPECT_EQ(f.caption(), "Manual Fix");
        EXPECT_EQ(f.Label1.caption(), "Department");
        EXPECT_EQ(f.Label2.caption(), "Zone");
        EXPECT_EQ(f.Label3.caption(), "Side");
        f.Command1.press();
        EXPECT_TRUE(f.isopen()); // the button does nothing
        f.close();
    });
    manualfixfrm fix;
    fix.show_modal();

    for (const bool ok : {true, false}) {
        driver.on<exchangedeptsfrm>("exchangedeptsfrm", [ok](exchangedeptsfrm& f) {
            EXPECT_EQ(f.caption(), "Exchange Departments");
            EXPECT_EQ(f.Label1.caption(), "<--------->");
            ASSERT_EQ(f.deptlst1.listcount(), 6);
            EXPECT_EQ(f.deptlst1.list(0), "RECEIVING");
            EXPECT_EQ(f.deptlst2.list(5), "SHIPPING");
            (ok ? f.okbut : f.cancelbut).press();
            EXPECT_FALSE(f.isopen());
        });
        exchangedeptsfrm exchange;
        exchange.show_modal();
    }
}

} // namespace
