// The flow matrix and additions matrix windows: the chart at its positions,
// the divisor of each window, and changes to the additions one pair at a time.
#include "problem/addmatrixfrm.h"
#include "problem/t53336frm.h"
#include "tests/support/scripted.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using Kind = forms::DrawOp::Kind;

bool hastext(const std::vector<forms::Surface::PrintedText>& texts, double x, double y,
             const std::string& s) {
    for (const auto& t : texts)
        if (t.x == x && t.y == y && t.text == s) return true;
    return false;
}

// The text printed from (x, y), or "(none)".
std::string textat(const std::vector<forms::Surface::PrintedText>& texts, double x, double y) {
    for (const auto& t : texts)
        if (t.x == x && t.y == y) return t.text;
    return "(none)";
}

std::vector<forms::DrawOp> lines(const std::vector<forms::DrawOp>& ops) {
    std::vector<forms::DrawOp> out;
    for (const auto& op : ops)
        if (op.kind == Kind::line) out.push_back(op);
    return out;
}

class Matrices : public ScriptedTest {
protected:
    void departments(int n) {
        m.ndept = n;
        for (int i = 1; i <= n; ++i)
            m.deptname[std::size_t(i)] = "D" + std::to_string(i);
    }
    // Opens the flow matrix window and keeps what it drew.
    void showflows() {
        driver.on<t53336frm>("t53336frm", [this](t53336frm& f) {
            texts = f.layoutbox.texts();
            ops = f.layoutbox.ops();
            f.okbut.press();
        });
        t53336frm f;
        f.show_modal();
    }
    void showadditions() {
        driver.on<addmatrixfrm>("addmatrixfrm", [this](addmatrixfrm& f) {
            texts = f.layoutbox.texts();
            ops = f.layoutbox.ops();
            f.okbut.press();
        });
        driver.on<t53336frm>("t53336frm", [](t53336frm& f) { f.okbut.press(); });
        addmatrixfrm f;
        f.show_modal();
    }
    std::string legend() const { return textat(texts, 8, 190); }

    std::vector<forms::Surface::PrintedText> texts;
    std::vector<forms::DrawOp> ops;
};

TEST_F(Matrices, FlowDivisorFromTheLargestFlow) {
    departments(3);
    const std::vector<std::pair<double, std::string>> cases = {
        {0, "UNIT LOADS / 10.00"},           {1000, "UNIT LOADS / 10.00"},
        {1001, "UNIT LOADS / 100.00"},       {10001, "UNIT LOADS / 1000.00"},
        {1000001, "UNIT LOADS / 100000.00"}, {10000001, "UNIT LOADS / 1000000.00"}};
    for (const auto& [largest, shown] : cases) {
        m.maxflow = largest;
        showflows();
        EXPECT_EQ(legend(), shown) << largest;
        EXPECT_EQ(m.flowscale * 1, std::stod(shown.substr(13)));
    }
}

TEST_F(Matrices, AdditionsDivisorStopsAt100000) {
    departments(4);
    m.maxflow = 5; // not what the additions window looks at
    m.addflowmatrix[2][4] = 1001;
    m.addflowmatrix[4][2] = 1e9; // only pairs i < j count
    showadditions();
    EXPECT_EQ(legend(), "UNIT LOADS / 100.00");
    m.addflowmatrix[1][3] = 2e7;
    showadditions();
    EXPECT_EQ(legend(), "UNIT LOADS / 100000.00");
}

TEST_F(Matrices, HeadsCellsAndLegendAtTheirPositions) {
    departments(10);
    m.flowmatrix[1][2] = 250;
    m.flowmatrix[1][3] = 4;   // below one unit of the divisor: shows 0
    m.flowmatrix[2][4] = -30; // negative: nothing
    m.flowmatrix[3][10] = 0;
    showflows();
    EXPECT_TRUE(hastext(texts, 30, 1, " 1 "));
    EXPECT_TRUE(hastext(texts, 222, 1, " 9 "));
    EXPECT_TRUE(hastext(texts, 242, 1, " 10 ")); // 4 to the left of the one-digit rule
    EXPECT_TRUE(hastext(texts, 1, 9, " 1 "));
    EXPECT_TRUE(hastext(texts, 1, 81, " 10 "));
    EXPECT_EQ(textat(texts, 52, 8), "25");
    EXPECT_EQ(textat(texts, 76, 8), "0");
    EXPECT_EQ(textat(texts, 28, 8), "   "); // the diagonal, 0
    EXPECT_EQ(textat(texts, 100, 16), "(none)");
    EXPECT_EQ(textat(texts, 244, 24), "    ");
    // Cells below the diagonal are never drawn.
    EXPECT_EQ(textat(texts, 28, 16), "(none)");
    // Legend six to a row.
    EXPECT_TRUE(hastext(texts, 1, 160, " 1  D1"));
    EXPECT_TRUE(hastext(texts, 481, 160, " 6  D6"));
    EXPECT_TRUE(hastext(texts, 97, 168, " 8  D8"));
    EXPECT_EQ(legend(), "UNIT LOADS / 10.00");
    // The font and the scale come first.
    ASSERT_GE(ops.size(), 2u);
    EXPECT_EQ(ops[0].kind, Kind::font);
    EXPECT_EQ(ops[0].text, "system");
    EXPECT_EQ(ops[1].kind, Kind::scale);
    EXPECT_EQ(ops[1].x2, 640);
    EXPECT_EQ(ops[1].y2, 200);
}

TEST_F(Matrices, FrameWidthFollowsTheColumnWidths) {
    for (const auto& [n, width] : {std::pair{9, 213}, std::pair{10, 222}, std::pair{18, 486}}) {
        departments(n);
        showflows();
        const auto drawn = lines(ops);
        // Top, left, bottom, right, then n - 1 rows and n - 1 columns.
        ASSERT_EQ(drawn.size(), std::size_t(4 + 2 * (n - 1))) << n;
        const double h = 8 * n;
        EXPECT_EQ(drawn[0].x1, 25);
        EXPECT_EQ(drawn[0].y1, 7);
        EXPECT_EQ(drawn[0].x2, 25 + width) << n;
        EXPECT_EQ(drawn[1].y2, 7 + h);
        EXPECT_EQ(drawn[2].x2, 25 + width);
        EXPECT_EQ(drawn[2].y2, 7 + h);
        EXPECT_EQ(drawn[3].y2, 7);
        EXPECT_EQ(drawn[4].y1, 15);
        EXPECT_EQ(drawn[4].x2, 25 + width);
        const auto& lastcolumn = drawn.back();
        EXPECT_EQ(lastcolumn.x1, 25 + 24 * (n - 1));
        EXPECT_EQ(lastcolumn.y2, 7 + h);
    }
}

TEST_F(Matrices, LayoutIsEvaluatedBeforeDrawing) {
    departments(2);
    m.adjscore = 42; // the evaluation starts the score again
    showflows();
    EXPECT_EQ(m.adjscore, 0);
}

TEST_F(Matrices, ChangeStoresOnePairRebuildsAndShowsTheFlows) {
    departments(5);
    m.flowmatrix[1][2] = 7;
    driver.on<addmatrixfrm>("addmatrixfrm", [](addmatrixfrm& f) {
        EXPECT_EQ(f.caption(), "Display Layout");
        EXPECT_EQ(f.chgaddmatbut.caption(), "Change Additons Matrix");
        EXPECT_FALSE(f.makechgbut.visible());
        EXPECT_FALSE(f.itxt.visible());
        f.chgaddmatbut.press();
        EXPECT_FALSE(f.chgaddmatbut.visible());
        EXPECT_TRUE(f.valuelbl.visible());
        f.canchgbut.press();
        EXPECT_TRUE(f.chgaddmatbut.visible());
        EXPECT_FALSE(f.valuetxt.visible());
        f.chgaddmatbut.press();
        f.itxt.type("2");
        f.jtxt.type("5");
        f.valuetxt.type("40");
        f.makechgbut.press();
    });
    driver.on<t53336frm>("t53336frm", [](t53336frm& f) {
        EXPECT_FALSE(f.layoutbox.texts().empty());
        f.okbut.press();
    });
    addmatrixfrm f;
    f.show_modal();
    for (int i = 0; i <= maxdept; ++i)
        for (int j = 0; j <= maxdept; ++j)
            EXPECT_EQ(m.addflowmatrix[std::size_t(i)][std::size_t(j)].num(),
                      i == 2 && j == 5 ? 40 : 0);
    EXPECT_EQ(m.flowmatrix[2][5].num(), 40);
    EXPECT_EQ(m.flowmatrix[1][2].num(), 7);
    EXPECT_EQ(m.maxflow, 40);
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"addmatrixfrm", "t53336frm"}));
}

TEST_F(Matrices, PairsNotBelowOrOutsideTheDepartmentsAreRefused) {
    departments(5);
    driver.on<addmatrixfrm>("addmatrixfrm", [](addmatrixfrm& f) {
        f.chgaddmatbut.press();
        const std::vector<std::pair<std::string, std::string>> refused = {
            {"3", "3"}, {"4", "2"}, {"0", "3"}, {"2", "6"}, {"-1", "19"}, {"x", "2.4"}};
        for (const auto& [from, to] : refused) {
            f.itxt.type(from);
            f.jtxt.type(to);
            f.valuetxt.type("10");
            f.makechgbut.press();
            EXPECT_TRUE(f.isopen());
            EXPECT_EQ(f.itxt.text(), "");
            EXPECT_EQ(f.jtxt.text(), "");
            EXPECT_EQ(f.valuetxt.text(), "10");
            EXPECT_TRUE(f.makechgbut.visible());
            EXPECT_TRUE(f.itxt.visible());
        }
        // 2.5 is taken as 2 and 4.6 as 5.
        f.itxt.type("2.5");
        f.jtxt.type("4.6");
        f.makechgbut.press();
    });
    driver.on<t53336frm>("t53336frm", [](t53336frm& f) { f.okbut.press(); });
    addmatrixfrm f;
    f.show_modal();
    const std::string range = "From and To must be department numbers 1 to 5!";
    EXPECT_EQ(driver.messages(), (std::vector<std::string>{"I must be < J!", "I must be < J!",
                                                           range, range, range, range}));
    EXPECT_EQ(m.addflowmatrix[2][5].num(), 10);
}

TEST_F(Matrices, FlowWindowLeadsToTheAdditions) {
    departments(2);
    driver.on<t53336frm>("t53336frm", [](t53336frm& f) {
        EXPECT_EQ(f.caption(), "Display Layout");
        f.addmatrixbut.press();
    });
    driver.on<addmatrixfrm>("addmatrixfrm", [](addmatrixfrm& f) { f.okbut.press(); });
    driver.on<t53336frm>("t53336frm", [](t53336frm& f) { f.okbut.press(); });
    t53336frm f;
    f.show_modal();
    EXPECT_EQ(driver.opened(),
              (std::vector<std::string>{"t53336frm", "addmatrixfrm", "t53336frm"}));
}

} // namespace
