// The table of saved layouts: rescoring on opening, the cell texts and ranks,
// the empty product column, and deletion with its two-decimal rows.

#include "model/numtext.h"
#include "singlestory/deletesavedlayoutfrm.h"
#include "singlestory/display1frm.h"
#include "singlestory/singlemenufrm.h"
#include "singlestory/tablesavedlayoutsfrm.h"
#include "tests/singlestory/layoutwindows.h"
#include "tests/support/runs.h"

#include <algorithm>
#include <functional>
#include <regex>
#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// Position codes of departments 1..6. The first places every rated pair but
// the X pair side by side (the largest score); the others part the A pairs.
const int best[] = {0, 101, 102, 701, 702, 201, 202};
const int parted[] = {0, 101, 301, 701, 901, 202, 102};
const int scattered[] = {0, 901, 101, 201, 801, 502, 401};

class LayoutTable : public LayoutWindows {
protected:
    void SetUp() override {
        LayoutWindows::SetUp();
        m.prodflag = 1;
        m.flowmatrix[1][2] = 40;
        m.flowmatrix[3][4] = 25;
        m.flowmatrix[1][6] = 5;
    }
    void save(int q, const int* codes) {
        m.zoneleft = m.zoneright = {};
        m.zonearea = {};
        m.deptpos = {};
        for (int d = 1; d <= 6; ++d)
            placedept(m, d, codes[d] / 100, codes[d] % 100);
        savecurrent(m, q, 0);
        m.nsavedlayouts = q;
    }
    // Opens the table; the script runs before Continue, the cells are kept.
    void open(std::function<void(tablesavedlayoutsfrm&)> script = [](tablesavedlayoutsfrm&) {}) {
        driver.on<tablesavedlayoutsfrm>("tablesavedlayoutsfrm",
                                        [&, script](tablesavedlayoutsfrm& f) {
                                            script(f);
                                            cells.assign(21, Strings(4));
                                            for (int r = 0; r <= 20; ++r)
                                                for (int c = 0; c < 4; ++c)
                                                    cells[r][c] = f.layoutgrd.textat(r, c);
                                            f.backbut.press();
                                        });
        m.batchmode = 1;
        tablesavedlayoutsfrm f;
        f.show_modal();
    }
    // Deletes list item i (-1: none) in the delete window over the table.
    void deleteitem(tablesavedlayoutsfrm& f, int i) {
        driver.on<deletesavedlayoutfrm>("deletesavedlayoutfrm", [i](deletesavedlayoutfrm& d) {
            if (i >= 0) d.layoutlst.clickitem(i);
            d.Delete.press();
            if (d.isopen()) d.cancelbut.press();
        });
        f.deletebut.press();
    }
    static std::string ranked(double score, const char* format, const std::string& rank) {
        return numtext::format(score, format) + " - " + rank;
    }
    std::vector<Strings> cells;
};

TEST_F(LayoutTable, RescoresAndRanksWithEqualScoresSharingARank) {
    save(1, best);
    save(2, best);
    save(3, parted);
    m.savedadjscore[1] = 0.1; // stale scores are recomputed
    open([](tablesavedlayoutsfrm& f) {
        EXPECT_EQ(f.caption(), "Layout Table");
        EXPECT_EQ(f.layoutgrd.rows(), 21);
        EXPECT_EQ(f.layoutgrd.cols(), 4);
        EXPECT_EQ(f.layoutgrd.columnWidth(2), forms::px(2200));
        EXPECT_EQ(f.layoutgrd.y(), forms::px(360));
    });
    EXPECT_EQ(cells[0],
              (Strings{"LAYOUT", "  ADJ. SCORE", "      REL-DIST SCORES", "PROD. MOVE."}));
    EXPECT_EQ(cells[1][0], "1");
    EXPECT_EQ(cells[1][1], "1.00 -  1");
    EXPECT_EQ(cells[2][1], "1.00 -  1");
    EXPECT_EQ(cells[3][1], ranked(m.savedadjscore[3], "0.00", " 3"));
    EXPECT_LT(m.savedadjscore[3].num(), 1);
    EXPECT_EQ(cells[1], (Strings{"1", cells[2][1], cells[2][2], cells[2][3]}));

    // Columns 2 and 3 from the recomputed scores; R and movement as whole
    // numbers. The parted layout's R is above or below the pair's, never equal.
    const bool partedlower = m.savedrscore[3] < m.savedrscore[1];
    ASSERT_NE(m.savedrscore[3], m.savedrscore[1]);
    const std::string rrank[] = {"", partedlower ? " 2" : " 1", partedlower ? " 2" : " 1",
                                 partedlower ? " 1" : " 3"};
    for (int q = 1; q <= 3; ++q) {
        EXPECT_TRUE(cells[q][2].ends_with("     " + ranked(m.savedrscore[q], "0", rrank[q]))) << q;
        EXPECT_TRUE(cells[q][2].starts_with(numtext::format(m.savedreldist[q], "0.00") + " - "));
        EXPECT_TRUE(cells[q][3].starts_with(numtext::format(m.savedprodmove[q], "0") + " - "));
    }
    EXPECT_EQ(cells[4], Strings(4));
    EXPECT_EQ(m.curlayout, 4);
    EXPECT_EQ(m.storescores, 1);
}

TEST_F(LayoutTable, WithoutProductDataTheMovementColumnStaysEmpty) {
    m.prodflag = 0;
    save(1, best);
    save(2, parted);
    m.savedprodmove[1] = 75;
    open();
    EXPECT_EQ(cells[1][3], "");
    EXPECT_EQ(cells[2][3], "");
    EXPECT_EQ(m.savedprodmove[1].num(), 0);
    EXPECT_TRUE(m.savedprodmove[2].isnumber());
}

TEST_F(LayoutTable, StoreymanyPlacesTheGridHigher) {
    m.program = Program::storeymany;
    open([](tablesavedlayoutsfrm& f) {
        EXPECT_EQ(f.layoutgrd.y(), forms::px(240));
        EXPECT_EQ(f.layoutgrd.height(), forms::px(4452));
        f.prntbut.press();
    });
    EXPECT_EQ(cells[1], Strings(4)); // nothing saved: headings only
    EXPECT_EQ(m.curlayout, 1);
    ASSERT_EQ(driver.prints().size(), 1u);
    EXPECT_EQ(driver.prints()[0].kind, forms::PrintJob::Kind::image);
}

TEST_F(LayoutTable, DeletingLayoutTwoOfFourMovesTheLaterOnesDown) {
    save(1, best);
    save(2, best);
    save(3, parted);
    save(4, scattered);
    open([this](tablesavedlayoutsfrm& f) {
        const double adj3 = m.savedadjscore[3], r4 = m.savedrscore[4];
        deleteitem(f, 1);
        EXPECT_TRUE(f.isopen());
        EXPECT_EQ(m.nsavedlayouts.whole(), 3);
        EXPECT_EQ(m.savedadjscore[2].num(), adj3);
        EXPECT_EQ(m.savedrscore[3], r4);
        for (int d = 1; d <= 6; ++d) {
            EXPECT_EQ(m.saveddeptpos[d][2].whole(), parted[d]);
            EXPECT_EQ(m.saveddeptpos[d][3].whole(), scattered[d]);
        }
    });
    EXPECT_EQ(driver.opened(), (Strings{"tablesavedlayoutsfrm", "deletesavedlayoutfrm"}));
    EXPECT_EQ(cells[1][1], "1.00 -  1"); // alone at the top now
    EXPECT_EQ(cells[3][0], "3");
    EXPECT_EQ(cells[4], Strings(4));
    // After a deletion R and the movement show two decimals.
    for (int q = 1; q <= 3; ++q) {
        EXPECT_TRUE(cells[q][2].find("     " + numtext::format(m.savedrscore[q], "0.00") + " - ") !=
                    std::string::npos)
            << cells[q][2];
        EXPECT_TRUE(cells[q][3].starts_with(numtext::format(m.savedprodmove[q], "0.00") + " - "))
            << cells[q][3];
    }
}

TEST_F(LayoutTable, DeletingNeedsASelectionAndTheLastLeavesRowOneBlank) {
    save(1, parted);
    open([this](tablesavedlayoutsfrm& f) {
        driver.on<deletesavedlayoutfrm>("deletesavedlayoutfrm", [](deletesavedlayoutfrm& d) {
            EXPECT_EQ(d.caption(), "Delete Saved Layout");
            EXPECT_EQ(d.Label1.caption(), "Select layout to delete");
            ASSERT_EQ(d.layoutlst.listcount(), 1);
            EXPECT_EQ(d.layoutlst.list(0), " 1");
            d.Delete.press();
            EXPECT_TRUE(d.isopen());
            d.cancelbut.press();
        });
        f.deletebut.press();
        EXPECT_EQ(m.nsavedlayouts.whole(), 1);
        deleteitem(f, 0);
    });
    EXPECT_EQ(driver.messages(), Strings{"No layout specified"});
    EXPECT_EQ(m.nsavedlayouts.whole(), 0);
    EXPECT_EQ(cells[1], Strings(4));
}

// Each saved layout of the plant and its mirror image (zones A and C, D and
// F, G and I traded, left and right too) score alike, though their sums run
// in another order, and share every rank.
TEST_F(LayoutTable, AMirroredLayoutSharesEveryRankWithItsOriginal) {
    m.problemfile = MARQUETA_SOURCE_DIR "/examples/PLANT";
    ASSERT_TRUE(m.loadproblemfile());
    m.computescorevector();
    for (int q = 1; q <= 2; ++q) {
        m.loadsavedlayout(q);
        const auto left = m.zoneleft, right = m.zoneright;
        m.zoneleft = m.zoneright = {};
        m.zonearea = {};
        for (int z = 1; z <= 9; ++z) {
            const int mirrored = z + 2 - 2 * ((z - 1) % 3);
            for (const auto& [d, side] : {std::pair{left[z], 2}, {right[z], 1}})
                if (d != 0) placedept(m, d, mirrored, side);
        }
        savecurrent(m, q + 2, 0);
    }
    m.nsavedlayouts = 4;
    open();
    for (int q = 1; q <= 2; ++q)
        EXPECT_EQ(Strings(cells[q].begin() + 1, cells[q].end()),
                  Strings(cells[q + 2].begin() + 1, cells[q + 2].end()));
}

// What storeyone shows and saves depends on the problem alone.
class FreshRun : public Runs {};

TEST_F(FreshRun, StoreyoneShowsAndSavesWhatAFreshRunOfItsFileDoes) {
    // The table of saved layouts, a random layout, and the review.
    const auto shown = compare(Program::storeyone, [this](mainmenufrm& f) {
        driver.on<singlemenufrm>("singlemenufrm", [this](singlemenufrm& s) {
            const bool saved = m.nsavedlayouts.whole() > 0;
            if (saved) {
                driver.on<tablesavedlayoutsfrm>("tablesavedlayoutsfrm",
                                                [this](tablesavedlayoutsfrm& t) {
                                                    seegrid(t.layoutgrd);
                                                    t.backbut.press();
                                                });
                s.tablebut.press();
            }
            driver.on<display1frm>("display1frm", [this](display1frm& d) {
                for (const auto& t : d.layoutbox.texts())
                    see(t.text);
                d.okbut.press();
            });
            s.randombut.press();
            if (!saved) return s.backbut.press();
            // The last department exchanged with the first in layout 1.
            for (long q = 1; q <= m.nsavedlayouts.whole(); ++q)
                driver.on<display1frm>("display1frm", [this, q](display1frm& d) {
                    if (q == 1) {
                        const std::string last = std::to_string(m.ndept);
                        const auto places = [&] {
                            return std::to_string(m.deptpos[std::size_t(m.ndept)]) + " " +
                                   std::to_string(m.deptpos[1]);
                        };
                        const std::string before = places();
                        d.exchangebut.press();
                        d.nnx1txt.type(last);
                        d.nnx2txt.type("1");
                        d.makechangebut.press();
                        see("exchange " + last + " and 1: " + before + " -> " + places());
                        for (const auto& t : d.layoutbox.texts())
                            see(t.text + " at " + std::to_string(t.x) + "," + std::to_string(t.y));
                    }
                    d.okbut.press();
                });
            s.reviewbut.press();
            s.backbut.press();
        });
        f.singlebut.press();
    });
    // Layout 2 of the plant without its last two departments, which leave
    // their zones and stories; the added department scores nothing.
    EXPECT_TRUE(shows(shown[0], "0.68 -  2     6473 -  2"));
    for (const char* line : {"\n11,0,150\r", "\n5,2130\r"})
        EXPECT_NE(file("CUT").find(line), std::string::npos) << line;
    EXPECT_TRUE(shows(shown[3], "score 7: 0"));
    // A department typed in place of a cleared one is placed nowhere: it
    // takes the first department's place, which leaves the layout.
    EXPECT_TRUE(shows(shown[1], "exchange 13 and 1: 0 101 -> 101 0"));
    const auto drawn = [&](std::size_t run, const std::string& label) {
        return std::count_if(shown[run].begin(), shown[run].end(),
                             [&](const std::string& t) { return t.starts_with(label + " at "); });
    };
    EXPECT_EQ(drawn(1, " 13"), 1);
    EXPECT_EQ(drawn(1, " 1"), 0);
    // The keyboard problem's departments keep the carried layout's places.
    EXPECT_TRUE(shows(shown[5], "exchange 4 and 1: 202 101 -> 101 202"));
    // Two letters typed for a pair rate it by the first, as the file keeps it.
    EXPECT_TRUE(shows(shown[6], "0.52 -  1"));
    EXPECT_TRUE(shows(shown[6], "0.71 -  2     6718 -  1"));
    // Named again on zone 5, department 1 keeps its first place alone.
    EXPECT_TRUE(shows(shown[7], "exchange 14 and 1: 901 101 -> 101 901"));
    EXPECT_EQ(drawn(7, " 1"), 1);
    EXPECT_EQ(drawn(7, " 14"), 1);
    // The typed flow below the routings' share changed nothing.
    EXPECT_TRUE(shows(shown[10], "load chart (1,2): 160"));
    // A department added after the cut takes no flow of the routings.
    EXPECT_TRUE(shows(shown[16], "load chart (10,11): "));
    // A load typed with decimals stays through a chart confirmed untouched.
    EXPECT_NE(file("DECIMALS").find("\n\"A\",0,90.4\r"), std::string::npos);
    // The search's layouts measure the added department nowhere, whatever
    // problem came before.
    EXPECT_EQ(shown[13], shown[14]);
    // Unrated and X pairs included, the relationship-distance score lies
    // between its bounds.
    const std::regex reldist(R"(^(-?[0-9.]+) - +[0-9]+ +-?[0-9]+ - +[0-9]+$)");
    for (const auto& run : shown) {
        for (const std::string& cell : run) {
            std::smatch score;
            if (!std::regex_match(cell, score, reldist)) continue;
            EXPECT_GE(std::stod(score[1]), 0) << cell;
            EXPECT_LE(std::stod(score[1]), 1) << cell;
        }
    }
}

} // namespace
