// The layout display: header, frame, legend, numbers, edges and score panel at
// their positions in both programs, quiet and iteration modes, and the
// actions: exchange, save, terminate, printing and the analysis windows.

#include "problem/windowtable.h"
#include "singlestory/display1frm.h"
#include "singlestory/layoutanalysis1frm.h"
#include "singlestory/layoutanalysis2frm.h"
#include "singlestory/layoutanalysis3frm.h"
#include "singlestory/layoutanalysis4frm.h"
#include "tests/singlestory/layoutproblem.h"
#include "tests/support/scripted.h"
#include "tests/support/tempdir.h"

#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace {

using Kind = forms::DrawOp::Kind;

bool sametext(const forms::Surface::PrintedText& t, double x, double y, const std::string& s) {
    return std::abs(t.x - x) < 1e-9 && std::abs(t.y - y) < 1e-9 && t.text == s;
}

// Whether the text was printed from exactly that point.
::testing::AssertionResult printedat(const std::vector<forms::Surface::PrintedText>& texts,
                                     double x, double y, const std::string& s) {
    for (const auto& t : texts)
        if (sametext(t, x, y, s)) return ::testing::AssertionSuccess();
    std::string all;
    for (const auto& t : texts)
        all += "\n  (" + std::to_string(t.x) + ", " + std::to_string(t.y) + ") \"" + t.text + "\"";
    return ::testing::AssertionFailure()
           << "\"" << s << "\" not at (" << x << ", " << y << "); printed:" << all;
}

std::vector<forms::DrawOp> lines(const std::vector<forms::DrawOp>& ops) {
    std::vector<forms::DrawOp> out;
    for (const auto& op : ops)
        if (op.kind == Kind::line) out.push_back(op);
    return out;
}

bool hasline(const std::vector<forms::DrawOp>& ops, double x1, double y1, double x2, double y2) {
    for (const auto& op : lines(ops))
        if (std::abs(op.x1 - x1) < 1e-9 && std::abs(op.y1 - y1) < 1e-9 &&
            std::abs(op.x2 - x2) < 1e-9 && std::abs(op.y2 - y2) < 1e-9)
            return true;
    return false;
}

// Three departments; ONE and TWO share zone A (top band), THREE lies in zone G
// (bottom band), the middle band is empty. The building is 30 by 20, so the
// top band ends at pixel 75; ONE spans x 100 to 250, TWO 250 to 550 (the right
// wall), THREE the whole bottom band. A and E pairs touch, and so does the
// X pair: raw score 10 + 5 - 10 = 5 of at most 15.
class Display : public ScriptedTest {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        setlayoutproblem(m, {{"ONE", 100}, {"TWO", 200}, {"THREE", 300}},
                         {{1, 2, "A"}, {1, 3, "E"}, {2, 3, "X"}});
        placedept(m, 1, 1, 1);
        placedept(m, 2, 1, 2);
        placedept(m, 3, 7, 1);
    }
    // Opens the display with a script and keeps what its box drew.
    void show(std::function<void(display1frm&)> script = [](display1frm& f) { f.okbut.press(); }) {
        driver.on<display1frm>("display1frm", [&, script](display1frm& f) {
            texts = f.layoutbox.texts();
            ops = f.layoutbox.ops();
            script(f);
        });
        display1frm f;
        f.show_modal();
    }
    std::vector<forms::Surface::PrintedText> texts;
    std::vector<forms::DrawOp> ops;
};

TEST_F(Display, HeaderNumbersTheLayoutAsItWouldBeSaved) {
    m.nsavedlayouts = 3;
    show();
    EXPECT_TRUE(printedat(texts, 30, 8, "LAYOUT 4"));
    m.nsavedlayouts = 0;
    show();
    EXPECT_TRUE(printedat(texts, 30, 8, "LAYOUT 1"));
    // A reviewed layout keeps its number, unless the table is empty.
    m.nsavedlayouts = 3;
    m.curlayout = 2;
    show();
    EXPECT_TRUE(printedat(texts, 30, 8, "LAYOUT 2"));
    m.nsavedlayouts = 0;
    show();
    EXPECT_TRUE(printedat(texts, 30, 8, "LAYOUT 1"));
    m.program = Program::storeymany;
    show();
    EXPECT_TRUE(printedat(texts, 8, 8, "LAYOUT 2"));
}

TEST_F(Display, DrawsFrameSeparatorNumbersEdgesAndPanelInStoreyone) {
    m.layoutwidth = 1; // recomputed from the ratio on load
    show([](display1frm& f) {
        EXPECT_EQ(f.okbut.caption(), "Continue");
        EXPECT_TRUE(f.exchangebut.isVisibleTo(&f));
        EXPECT_FALSE(f.termbut.isVisibleTo(&f));
        EXPECT_FALSE(f.prntbut.isVisibleTo(&f));
        EXPECT_FALSE(f.makechangebut.isVisibleTo(&f));
        f.okbut.press();
    });
    EXPECT_DOUBLE_EQ(m.layoutwidth, 20);
    EXPECT_EQ(m.adjscore, 5);

    // Set up with the system font on the 640 x 200 scale.
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, Kind::font);
    EXPECT_EQ(ops[0].text, "system");
    EXPECT_EQ(ops[1].kind, Kind::scale);
    EXPECT_EQ(ops[1].x2, 640);
    EXPECT_EQ(ops[1].y2, 200);

    // The frame, the one separator (the middle band is empty) and ONE's
    // right edge; TWO and THREE end at the right wall.
    const auto drawn = lines(ops);
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_TRUE(hasline(ops, 100, 1, 550, 1));
    EXPECT_TRUE(hasline(ops, 550, 1, 550, 151));
    EXPECT_TRUE(hasline(ops, 550, 151, 100, 151));
    EXPECT_TRUE(hasline(ops, 100, 151, 100, 1));
    EXPECT_TRUE(hasline(ops, 100, 75, 550, 75));
    EXPECT_TRUE(hasline(ops, 250, 1, 250, 75));

    // Numbers 6 units right of their text cells: rows 5 and 15, columns 21, 50, 40.
    EXPECT_TRUE(printedat(texts, 166, 32, " 1"));
    EXPECT_TRUE(printedat(texts, 398, 32, " 2"));
    EXPECT_TRUE(printedat(texts, 318, 112, " 3"));
    // Legend: the printed number, a blank, the name.
    EXPECT_TRUE(printedat(texts, 31, 160, " 1  ONE"));
    EXPECT_TRUE(printedat(texts, 127, 160, " 2  TWO"));
    EXPECT_TRUE(printedat(texts, 223, 160, " 3  THREE"));

    EXPECT_TRUE(printedat(texts, 30, 24, "SCORE "));
    EXPECT_TRUE(printedat(texts, 30, 32, "0.33"));
    EXPECT_TRUE(printedat(texts, 30, 48, "Specified"));
    EXPECT_TRUE(printedat(texts, 30, 56, "L/W Ratio"));
    EXPECT_TRUE(printedat(texts, 30, 64, "1.50"));
    EXPECT_TRUE(printedat(texts, 30, 76, "Actual"));
    EXPECT_TRUE(printedat(texts, 30, 84, "L/W Ratio"));
    EXPECT_TRUE(printedat(texts, 30, 92, "1.50"));
    EXPECT_TRUE(printedat(texts, 30, 190, "Standard Relationship Chart"));
    EXPECT_EQ(texts.size(), 16u);
}

TEST_F(Display, StoreymanyKeepsItsWidthAndPlainPositions) {
    m.program = Program::storeymany;
    m.chartsource = 1;
    show();
    EXPECT_DOUBLE_EQ(m.layoutwidth, 20);
    EXPECT_TRUE(printedat(texts, 8, 8, "LAYOUT 1"));
    EXPECT_TRUE(printedat(texts, 160, 32, " 1"));
    EXPECT_TRUE(printedat(texts, 1, 160, " 1  ONE"));
    EXPECT_TRUE(printedat(texts, 193, 160, " 3  THREE"));
    EXPECT_TRUE(printedat(texts, 8, 24, "SCORE 0.33"));
    EXPECT_TRUE(printedat(texts, 8, 56, "L/W Ratio 1.50"));
    EXPECT_TRUE(printedat(texts, 8, 190, "Material Handling Relationship Chart"));
}

TEST_F(Display, HalfRatioPrintsWithoutLeadingZero) {
    m.lwratio = 0.5;
    show();
    EXPECT_TRUE(printedat(texts, 30, 64, ".50"));
    EXPECT_TRUE(printedat(texts, 30, 92, ".50"));
}

TEST_F(Display, ThirteenDepartmentsFillThreeLegendRows) {
    std::vector<std::pair<std::string, double>> depts;
    for (int d = 1; d <= 13; ++d)
        depts.push_back({"D" + std::to_string(d), 100});
    setlayoutproblem(m, depts, {});
    for (int d = 1; d <= 13; ++d)
        placedept(m, d, (d + 1) / 2, 2 - d % 2);
    show();
    EXPECT_TRUE(printedat(texts, 31, 160, " 1  D1"));
    EXPECT_TRUE(printedat(texts, 511, 160, " 6  D6"));
    EXPECT_TRUE(printedat(texts, 31, 168, " 7  D7"));
    EXPECT_TRUE(printedat(texts, 511, 168, " 12  D12"));
    EXPECT_TRUE(printedat(texts, 31, 176, " 13  D13"));
}

TEST_F(Display, QuietModeEvaluatesAndDrawsOnlyTheHeader) {
    m.batchmode = 1;
    show();
    EXPECT_EQ(m.adjscore, 5);
    EXPECT_EQ(m.deptx2[1], 250);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(printedat(texts, 30, 8, "LAYOUT 1"));
    EXPECT_TRUE(lines(ops).empty());
}

TEST_F(Display, IterationModeShowsCountAndBaseScore) {
    m.itermode = 1;
    m.itercount = 3;
    m.baselayout = 2;
    m.savedadjscore[2] = 0.75;
    show([](display1frm& f) {
        EXPECT_EQ(f.okbut.caption(), "Next");
        EXPECT_TRUE(f.termbut.isVisibleTo(&f));
        EXPECT_FALSE(f.exchangebut.isVisibleTo(&f));
        f.okbut.press();
    });
    EXPECT_TRUE(printedat(texts, 8, 8, "ITERATION 3 "));
    EXPECT_TRUE(printedat(texts, 8, 40, "Base score 0.75"));
}

TEST_F(Display, ExchangesRedrawWithPlainPositions) {
    m.curlayout = 0;
    show([&](display1frm& f) {
        f.exchangebut.press();
        EXPECT_TRUE(f.makechangebut.isVisibleTo(&f));
        EXPECT_TRUE(f.nnx1txt.isVisibleTo(&f));
        EXPECT_TRUE(f.makechangelbl.isVisibleTo(&f));
        EXPECT_FALSE(f.analysisbut.isVisibleTo(&f));
        EXPECT_FALSE(f.Savebut.isVisibleTo(&f));
        EXPECT_FALSE(f.exchangebut.isVisibleTo(&f));

        // A department with itself: the same layout, scored and drawn again.
        f.nnx1txt.type("1");
        f.nnx2txt.type("1");
        f.makechangebut.press();
        EXPECT_EQ(m.deptpos[1], 101);
        EXPECT_EQ(m.adjscore, 5);
        EXPECT_TRUE(f.prntbut.isVisibleTo(&f));
        EXPECT_FALSE(f.makechangebut.isVisibleTo(&f));
        EXPECT_FALSE(f.nnx2txt.isVisibleTo(&f));
        const auto t = f.layoutbox.texts();
        EXPECT_EQ(f.layoutbox.ops()[0].kind, Kind::clear);
        EXPECT_TRUE(printedat(t, 8, 8, "LAYOUT 0"));
        EXPECT_TRUE(printedat(t, 160, 32, " 1"));
        EXPECT_TRUE(printedat(t, 1, 160, " 1  ONE"));
        EXPECT_TRUE(printedat(t, 8, 24, "SCORE 0.33"));
        EXPECT_TRUE(printedat(t, 8, 40, "L/W Ratio 1.50"));
        EXPECT_EQ(t.size(), 9u);

        // Within a zone: the sides swap, the zone's area stays.
        f.exchangebut.press();
        f.nnx1txt.type("1");
        f.nnx2txt.type("2");
        f.makechangebut.press();
        EXPECT_EQ(m.zoneleft[1], 2);
        EXPECT_EQ(m.zoneright[1], 1);
        EXPECT_EQ(m.zonearea[1], 300);
        EXPECT_EQ(m.deptpos[1], 102);
        EXPECT_EQ(m.deptpos[2], 101);
        EXPECT_EQ(m.deptx1[2], 100);

        // Across bands: both band areas change, and with them the score.
        f.exchangebut.press();
        f.nnx1txt.type("2");
        f.nnx2txt.type("3");
        f.makechangebut.press();
        EXPECT_EQ(m.zoneleft[1], 3);
        EXPECT_EQ(m.zoneleft[7], 2);
        EXPECT_EQ(m.zonearea[1], 400);
        EXPECT_EQ(m.zonearea[7], 200);
        EXPECT_EQ(m.deptpos[2], 701);
        EXPECT_EQ(m.deptpos[3], 101);
        EXPECT_EQ(m.depty2[3], 100); // top band: 150 x 400 / 600
        f.okbut.press();
    });
}

TEST_F(Display, BadDepartmentDataKeepsTheEntry) {
    show([&](display1frm& f) {
        f.exchangebut.press();
        for (const char* bad : {"0", "4", "abc", "1.5", ""}) {
            f.nnx1txt.type(bad);
            f.nnx2txt.type("2");
            f.makechangebut.press();
            EXPECT_EQ(f.nnx1txt.text(), "");
            EXPECT_EQ(f.nnx2txt.text(), "");
            EXPECT_TRUE(f.makechangebut.isVisibleTo(&f));
        }
        f.nnx1txt.type("2");
        f.nnx2txt.type("-1");
        f.makechangebut.press();
        f.nnx1txt.type("1");
        f.nnx2txt.type("3");
        f.makechangebut.press();
        f.okbut.press();
    });
    EXPECT_EQ(driver.messages(), std::vector<std::string>(6, "Bad department data!"));
    EXPECT_EQ(m.deptpos[1], 701);
}

TEST_F(Display, SaveAfterAnExchangeOfAReviewedLayoutAppendsIt) {
    installwindows(m);
    // All three in the top band, in the order ONE, TWO, THREE: the E pair
    // lies apart and the X pair touches, raw score 0.
    m.zoneleft = {};
    m.zoneright = {};
    m.zonearea = {};
    for (int d = 1; d <= 3; ++d)
        placedept(m, d, d, 1);
    savecurrent(m, 1, 0);
    savecurrent(m, 2, 0);
    m.nsavedlayouts = 2;
    driver.on<display1frm>("display1frm", [&](display1frm& f) {
        f.exchangebut.press();
        f.nnx1txt.type("1");
        f.nnx2txt.type("2");
        f.makechangebut.press();
        EXPECT_TRUE(printedat(f.layoutbox.texts(), 8, 8, "LAYOUT 1"));
        f.Savebut.press();
        EXPECT_FALSE(f.isopen());
    });
    driver.on<display1frm>("display1frm", [&](display1frm& f) {
        EXPECT_TRUE(printedat(f.layoutbox.texts(), 30, 8, "LAYOUT 2"));
        f.okbut.press();
    });
    m.reviewsavedlayouts();
    EXPECT_EQ(
        driver.messages(),
        std::vector<std::string>{
            "Layout saved to memory.  Remember to save the problem file under the main menu."});
    ASSERT_EQ(m.nsavedlayouts.whole(), 3);
    // TWO, ONE, THREE: the A and E pairs touch, the X pair no longer does.
    EXPECT_EQ(m.saveddeptpos[1][3].whole(), 201);
    EXPECT_EQ(m.saveddeptpos[2][3].whole(), 101);
    EXPECT_EQ(m.savedzoneleft[1][3].whole(), 2);
    EXPECT_DOUBLE_EQ(m.savedadjscore[3].num(), 1);
    EXPECT_EQ(m.saveddeptpos[1][1].whole(), 101);
    EXPECT_EQ(m.savedadjscore[1].num(), 0);
}

TEST_F(Display, SaveRestoresTheFixedArrangement) {
    m.fixzoneleft[2] = 3;
    m.fixzonearea[2] = 300;
    m.fixdeptpos[3] = 201;
    show([](display1frm& f) { f.Savebut.press(); });
    EXPECT_EQ(m.nsavedlayouts.whole(), 1);
    EXPECT_DOUBLE_EQ(m.savedadjscore[1].num(), 5.0 / 15);
    EXPECT_EQ(m.deptpos[1], 0);
    EXPECT_EQ(m.deptpos[3], 201);
    EXPECT_EQ(m.zoneleft[1], 0);
    EXPECT_EQ(m.zoneleft[2], 3);
}

TEST_F(Display, PrintsTheWindowImageAndTheLayoutOnPaper) {
    m.curlayout = 0;
    show([](display1frm& f) {
        f.prnt2but.press();
        f.exchangebut.press();
        f.nnx1txt.type("1");
        f.nnx2txt.type("1");
        f.makechangebut.press();
        f.prntbut.press();
        f.okbut.press();
    });
    ASSERT_EQ(driver.prints().size(), 2u);
    EXPECT_EQ(driver.prints()[0].kind, forms::PrintJob::Kind::image);
    const forms::PrintJob& page = driver.prints()[1];
    ASSERT_EQ(page.kind, forms::PrintJob::Kind::page);
    const double f = 0.531225;
    const double h = 150 * f;
    EXPECT_DOUBLE_EQ(h, 79.68375);
    EXPECT_TRUE(hasline(page.ops, 550, 1, 550, 1 + h));
    EXPECT_TRUE(hasline(page.ops, 100, 1 + h, 100, 1));
    EXPECT_TRUE(hasline(page.ops, 100, f * 75, 550, f * 75));
    EXPECT_TRUE(hasline(page.ops, 250, 1, 250, 1 + f * 74));

    std::vector<forms::Surface::PrintedText> t;
    for (const auto& op : page.ops)
        if (op.kind == Kind::text) t.push_back({op.x1, op.y1, op.text});
    EXPECT_TRUE(printedat(t, 10, 20, "LAYOUT 1"));
    EXPECT_TRUE(printedat(t, 160, f * 32, " 1"));
    EXPECT_TRUE(printedat(t, 1, 160, " 1  ONE"));
    EXPECT_TRUE(printedat(t, 10, 24, "SCORE 0.33"));
    EXPECT_TRUE(printedat(t, 10, 32, "L/W Ratio 1.50"));
    EXPECT_EQ(t.size(), 9u);
}

TEST_F(Display, AnalysisTakesTheActionsAwayAndGivesThemBack) {
    show([&](display1frm& f) {
        const auto hidden = [&f] {
            for (forms::CommandButton* b : {&f.analysisbut, &f.exchangebut, &f.makechangebut,
                                            &f.prntbut, &f.Savebut, &f.termbut, &f.okbut})
                EXPECT_FALSE(b->isVisibleTo(&f)) << b->objectName().toStdString();
            EXPECT_TRUE(f.prnt2but.isVisibleTo(&f));
        };
        driver.on<layoutanalysis1frm>("layoutanalysis1frm", [&](layoutanalysis1frm& w) {
            hidden();
            w.okbut.press();
        });
        driver.on<layoutanalysis2frm>("layoutanalysis2frm", [&](layoutanalysis2frm& w) {
            hidden();
            w.okbut.press();
        });
        driver.on<layoutanalysis3frm>("layoutanalysis3frm", [&](layoutanalysis3frm& w) {
            EXPECT_EQ(w.yyscorelbl.caption().empty(), false);
            w.okbut.press();
        });
        driver.on<layoutanalysis4frm>("layoutanalysis4frm", [&](layoutanalysis4frm& w) {
            hidden();
            w.okbut.press();
        });
        f.analysisbut.press();
        for (forms::CommandButton* b :
             {&f.analysisbut, &f.exchangebut, &f.prntbut, &f.Savebut, &f.termbut, &f.okbut})
            EXPECT_TRUE(b->isVisibleTo(&f)) << b->objectName().toStdString();
        EXPECT_FALSE(f.makechangebut.isVisibleTo(&f));
        // The layout and its score are those shown.
        EXPECT_EQ(m.deptpos[3], 701);
        EXPECT_EQ(m.adjscore, 5);
        // Terminate outside an improvement walk still ends everything.
        f.termbut.press();
        EXPECT_FALSE(f.isopen());
    });
    EXPECT_EQ(m.stopflag, 1);
    EXPECT_EQ(m.itermode, 0);
    EXPECT_EQ(m.adjscore, 0);
    for (int d = 1; d <= 3; ++d)
        EXPECT_EQ(m.deptpos[d], 0);
    EXPECT_EQ(m.zoneleft[1], 0);
    EXPECT_EQ(m.zoneright[1], 0);
    EXPECT_EQ(m.zonearea[7], 0);
}

// Every department of the loaded problem on a side of its own, two to a zone.
void placeall(Module1& m) {
    for (int d = 1; d <= m.ndept; ++d)
        placedept(m, d, (d + 1) / 2, 2 - d % 2);
}

std::string example(const char* name) {
    return std::string(MARQUETA_SOURCE_DIR "/examples/") + name;
}

TEST_F(Display, AnUnchangedProblemIsEvaluatedBitForBitAsBefore) {
    for (const char* name : {"WORKSHOP", "PLANT"}) {
        SCOPED_TRACE(name);
        m.problemfile = example(name);
        ASSERT_TRUE(m.loadproblemfile());
        m.computescorevector();
        placeall(m);
        // What the display evaluated before: the width from the ratio, the length as read.
        const auto before = std::make_unique<Module1>(m);
        before->layoutwidth = std::sqrt(before->totalarea / before->lwratio);
        before->evallayout();
        show();
        EXPECT_EQ(m.layoutwidth.num(), before->layoutwidth.num());
        EXPECT_EQ(m.layoutlength.num(), before->layoutlength.num());
        EXPECT_EQ(m.centroidx, before->centroidx);
        EXPECT_EQ(m.centroidy, before->centroidy);
        EXPECT_EQ(m.adjscore, before->adjscore);
    }
}

// A keyboard problem saved by storeymany has no ratio: its geometry line
// starts with eight empty items. storeyone keeps its building while it fits
// the total area and keeps its shape when an area changes.
TEST_F(Display, AProblemWithoutARatioKeepsAFiniteBuilding) {
    std::ifstream in(example("WORKSHOP"), std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string ratioed = "450,150,150,50,19,6,15,1.35,";
    text.replace(text.find(ratioed), ratioed.size(), ",,,,,,,,");
    const TempDir dir;
    m.problemfile = dir.write("WORKSHOP", text).string();
    ASSERT_TRUE(m.loadproblemfile());
    ASSERT_TRUE(m.lwratio.isempty());
    m.computescorevector();
    placeall(m);
    const double w = m.layoutwidth, l = m.layoutlength;
    show();
    EXPECT_EQ(m.layoutwidth.num(), w);
    EXPECT_EQ(m.layoutlength.num(), l);
    // Nor a drawing box: it is drawn in the box of the default ratio.
    EXPECT_EQ(m.drawwidth.num(), 450);
    EXPECT_EQ(m.drawcellheight.num(), 50);
    for (int d = 1; d <= m.ndept; ++d)
        EXPECT_GT(m.deptx2[d] - m.deptx1[d], 0) << d;

    m.deptarea[1] = 600;
    m.computeareastats();
    m.zonearea[1] = 800;
    show();
    EXPECT_NEAR(m.layoutwidth * m.layoutlength, 1680, 1e-9);
    EXPECT_NEAR(m.layoutlength / m.layoutwidth, l / w, 1e-12);
    for (int d = 1; d <= m.ndept; ++d) {
        EXPECT_TRUE(std::isfinite(m.centroidx[d]) && std::isfinite(m.centroidy[d])) << d;
        EXPECT_TRUE(std::isfinite(m.bandheight[d]) && m.bandheight[d] > 0) << d;
    }
    // Nor does the search start from a building without a size.
    m.layoutwidth = Cell();
    m.layoutlength = Cell();
    m.prepareautosearch();
    EXPECT_EQ(m.layoutwidth.num(), std::sqrt(1680 / 1.35));
}

// Closes each of the four analysis windows with Continue.
void passanalysis(forms::Driver& driver) {
    driver.on<layoutanalysis1frm>("layoutanalysis1frm",
                                  [](layoutanalysis1frm& w) { w.okbut.press(); });
    driver.on<layoutanalysis2frm>("layoutanalysis2frm",
                                  [](layoutanalysis2frm& w) { w.okbut.press(); });
    driver.on<layoutanalysis3frm>("layoutanalysis3frm",
                                  [](layoutanalysis3frm& w) { w.okbut.press(); });
    driver.on<layoutanalysis4frm>("layoutanalysis4frm",
                                  [](layoutanalysis4frm& w) { w.okbut.press(); });
}

TEST_F(Display, SaveAfterAnalysisKeepsTheShownLayoutAndScore) {
    m.prodflag = 1;
    m.fixdeptpos[1] = 401; // a fixed position alone is not copied back
    show([&](display1frm& f) {
        passanalysis(driver);
        f.analysisbut.press();
        f.Savebut.press();
    });
    ASSERT_EQ(m.nsavedlayouts.whole(), 1);
    EXPECT_DOUBLE_EQ(m.savedadjscore[1].num(), 5.0 / 15);
    EXPECT_EQ(m.saveddeptpos[1][1].whole(), 101);
    EXPECT_EQ(m.saveddeptpos[3][1].whole(), 701);
}

TEST_F(Display, PaperInIterationModeCarriesTheBaseScore) {
    m.itermode = 1;
    m.itercount = 4;
    m.baselayout = 1;
    m.savedadjscore[1] = 123.456;
    show([&](display1frm& f) {
        passanalysis(driver);
        f.analysisbut.press();
        f.prntbut.press();
        f.okbut.press();
    });
    ASSERT_EQ(driver.prints().size(), 1u);
    std::vector<forms::Surface::PrintedText> t;
    for (const auto& op : driver.prints()[0].ops)
        if (op.kind == Kind::text) t.push_back({op.x1, op.y1, op.text});
    EXPECT_TRUE(printedat(t, 10, 20, "ITERATION  4"));
    EXPECT_TRUE(printedat(t, 10, 24, "SCORE 0.33"));
    EXPECT_TRUE(printedat(t, 10, 28, "BASE SCORE 123.46"));
    EXPECT_TRUE(printedat(t, 10, 32, "L/W Ratio 1.50"));
}

} // namespace
