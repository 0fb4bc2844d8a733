// The product windows: the review of the table, adding, deleting and changing
// a product, each ending in a fresh review.
#include "problem/addproductinfofrm.h"
#include "problem/deleteproductfrm.h"
#include "problem/modifyproductinfofrm.h"
#include "problem/modifyproductinfofrm2.h"
#include "problem/reviewproductfrm.h"
#include "problem/t53336frm.h"
#include "tests/support/scripted.h"
#include "tests/support/tempdir.h"

#include <string>
#include <vector>

namespace {

class ProductWindows : public ScriptedTest {
protected:
    void SetUp() override {
        ScriptedTest::SetUp();
        m.ndept = 5;
        const char* const names[] = {"", "Press", "Weld", "Paint", "Pack", "Ship"};
        for (int i = 1; i <= 5; ++i)
            m.deptname[std::size_t(i)] = names[i];
        add("Gear", 5, {1, 3, 2});
        add("Shaft", 7, {2, 4});
        add("Cover", 9, {4, 1, 3, 5});
    }
    void add(const std::string& name, double uload, const std::vector<double>& steps) {
        Module1::TypedProduct t;
        t.name = name;
        t.uload = uload;
        t.nsteps = int(steps.size());
        for (std::size_t k = 0; k < steps.size(); ++k)
            t.steps[k + 1] = steps[k];
        m.addproduct(t);
    }
    // The steps a review row shows, up to the first hidden box.
    static std::vector<std::string> shownsteps(reviewproductfrm& f, int row) {
        std::vector<std::string> out;
        for (int k = 0; k < reviewproductfrm::nstepboxes; ++k) {
            forms::TextBox& box = f.prodvectxt[reviewproductfrm::nstepboxes * row + k];
            if (!box.visible()) break;
            out.push_back(box.text());
        }
        return out;
    }
    static void leave(reviewproductfrm& f) { f.contbut.press(); }
    void review() {
        reviewproductfrm f;
        f.show_modal();
    }
};

using Steps = std::vector<std::string>;

TEST_F(ProductWindows, ReviewShowsTheTableAndBuildsTheFlows) {
    m.uload[2] = 6.5; // shown rounded
    driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) {
        EXPECT_EQ(f.caption(), "Review Product");
        EXPECT_EQ(f.Addbut.caption(), "   Add Product");
        EXPECT_EQ(f.deletebut.caption(), " Delete Product");
        EXPECT_EQ(f.itxt[2].text(), "3");
        EXPECT_FALSE(f.itxt[3].visible());
        EXPECT_FALSE(f.prodnamtxt[3].visible());
        EXPECT_EQ(f.prodnamtxt[1].text(), "Shaft");
        EXPECT_EQ(f.uloadtxt[1].text(), "7");
        EXPECT_EQ(f.uloadtxt[0].text(), "5");
        EXPECT_EQ(shownsteps(f, 0), (Steps{"1", "3", "2"}));
        EXPECT_EQ(shownsteps(f, 2), (Steps{"4", "1", "3", "5"}));
        f.contbut.press();
    });
    review();
    EXPECT_EQ(m.prodflag, 1);
    // 1 -> 3 and 3 -> 2 of the gear, 2 -> 4 of the shaft, 4 -> 1, 1 -> 3, 3 -> 5 of the cover.
    EXPECT_EQ(m.flowmatrix[1][3].num(), 5 + 9);
    EXPECT_EQ(m.flowmatrix[2][3].num(), 5);
    EXPECT_EQ(m.flowmatrix[1][4].num(), 9);
    EXPECT_EQ(m.maxflow, 14);
}

TEST_F(ProductWindows, ReviewShowsFourteenProductsAndEighteenStepsOfALongerRouting) {
    for (int p = 4; p <= maxprod; ++p)
        add("P" + std::to_string(p), 1, {1, 2});
    // A file's routing of 20 steps as the last product.
    m.prodveclen[14] = 20;
    for (int k = 0; k < 20; ++k)
        m.prodvec[std::size_t(m.prodvecstart[14].whole() + k)] = k + 1;
    driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) {
        EXPECT_EQ(f.itxt[13].text(), "14");
        EXPECT_EQ(f.prodnamtxt[13].text(), "P14");
        const Steps steps = shownsteps(f, 13);
        ASSERT_EQ(steps.size(), 18u);
        EXPECT_EQ(steps.front(), "1");
        EXPECT_EQ(steps.back(), "18");
        f.contbut.press();
    });
    review();
}

TEST_F(ProductWindows, AddingTakesTheFirstFilledBoxesAsTheRouting) {
    driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) { f.Addbut.press(); });
    driver.on<addproductinfofrm>("addproductinfofrm", [](addproductinfofrm& f) {
        EXPECT_EQ(f.caption(), "Add Product Information");
        EXPECT_EQ(f.nmdptlbl[0].caption(), " 1 - Press");
        EXPECT_EQ(f.nmdptlbl[4].caption(), " 5 - Ship");
        EXPECT_EQ(f.nmdptlbl[5].caption(), "");
        f.prodnametxt.type("Bracket");
        f.uloadtxt.type("12.5");
        f.prodvectxt[0].type("5");
        f.prodvectxt[1].type("2");
        f.prodvectxt[3].type("4");
        f.changebut.press();
    });
    driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) {
        EXPECT_EQ(f.prodnamtxt[3].text(), "Bracket");
        EXPECT_EQ(shownsteps(f, 3), (Steps{"5", "2", "0"}));
        leave(f);
    });
    review();
    EXPECT_EQ(m.nprod.whole(), 4);
    EXPECT_EQ(m.selprod, 4);
    EXPECT_EQ(m.uload[4].num(), 12.5);
    EXPECT_EQ(m.prodvecstart[4].whole(), 10);
    EXPECT_EQ(m.prodveclen[4].whole(), 3);
    EXPECT_EQ(m.prodvectotal.whole(), 12);
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"reviewproductfrm", "addproductinfofrm",
                                                         "reviewproductfrm"}));
}

TEST_F(ProductWindows, AFifteenthProductIsRefused) {
    for (int p = 4; p <= maxprod; ++p)
        add("P", 1, {1});
    driver.on<addproductinfofrm>("addproductinfofrm", [](addproductinfofrm& f) {
        f.prodnametxt.type("Fifteen");
        f.changebut.press();
        EXPECT_TRUE(f.isopen());
        f.cancelbut.press();
    });
    driver.on<reviewproductfrm>("reviewproductfrm", leave);
    addproductinfofrm f;
    f.show_modal();
    EXPECT_EQ(driver.messages(), (std::vector<std::string>{"No more than 14 products!"}));
    EXPECT_EQ(m.nprod.whole(), 14);
}

TEST_F(ProductWindows, DeleteNeedsASelectionAndCancelDoesNotReturn) {
    driver.on<reviewproductfrm>("reviewproductfrm",
                                [](reviewproductfrm& f) { f.deletebut.press(); });
    driver.on<deleteproductfrm>("deleteproductfrm", [](deleteproductfrm& f) {
        EXPECT_EQ(f.caption(), "Delete Product");
        EXPECT_EQ(f.prodlst.listcount(), 3);
        EXPECT_EQ(f.prodlst.list(0), " 1");
        f.okbut.press();
        EXPECT_TRUE(f.isopen());
        f.cancelbut.press();
    });
    review();
    EXPECT_EQ(m.nprod.whole(), 3);
    EXPECT_EQ(driver.opened().size(), 2u);

    driver.on<deleteproductfrm>("deleteproductfrm", [](deleteproductfrm& f) {
        f.prodlst.clickitem(0);
        f.okbut.press();
    });
    driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) {
        EXPECT_EQ(f.prodnamtxt[0].text(), "Shaft");
        EXPECT_EQ(shownsteps(f, 0), (Steps{"2", "4"}));
        EXPECT_FALSE(f.itxt[2].visible());
        leave(f);
    });
    deleteproductfrm f;
    f.show_modal();
    EXPECT_EQ(m.nprod.whole(), 2);
    EXPECT_EQ(m.prodvectotal.whole(), 6);
}

TEST_F(ProductWindows, ChangingTheSecondOfThreeAppendsItLast) {
    driver.on<reviewproductfrm>("reviewproductfrm",
                                [](reviewproductfrm& f) { f.changebut.press(); });
    driver.on<modifyproductinfofrm>("modifyproductinfofrm", [](modifyproductinfofrm& f) {
        EXPECT_EQ(f.caption(), "Modify Product");
        EXPECT_EQ(f.Label1.caption(), "Select product number  to modify");
        f.okbut.press(); // nothing selected: stays
        EXPECT_TRUE(f.isopen());
        f.prodlst.clickitem(1);
        f.okbut.press();
    });
    driver.on<modifyproductinfofrm2>("modifyproductinfofrm2", [](modifyproductinfofrm2& f) {
        EXPECT_EQ(f.caption(), "Change Product Information");
        EXPECT_EQ(f.prodnametxt.text(), "Shaft");
        EXPECT_EQ(f.uloadtxt.text(), " 7");
        EXPECT_EQ(f.prodvectxt[0].text(), " 2");
        EXPECT_EQ(f.prodvectxt[1].text(), " 4");
        EXPECT_EQ(f.prodvectxt[2].text(), "");
        EXPECT_EQ(f.nmdptlbl[0].caption(), " 1- Press");
        f.prodvectxt[2].type("5");
        f.uloadtxt.type("8");
        f.changebut.press();
    });
    driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) {
        EXPECT_EQ(f.prodnamtxt[1].text(), "Cover");
        EXPECT_EQ(f.prodnamtxt[2].text(), "Shaft");
        EXPECT_EQ(f.uloadtxt[2].text(), "8");
        EXPECT_EQ(shownsteps(f, 2), (Steps{"2", "4", "5"}));
        leave(f);
    });
    review();
    EXPECT_EQ(m.selprod, 2);
    EXPECT_EQ(m.prodvecstart[3].whole(), 8);
    EXPECT_EQ(m.prodvectotal.whole(), 10);
}

// Cancel, and closing the change window by its frame, leave the table exactly
// as it was before the product was picked, and return to the review.
TEST_F(ProductWindows, CancelOrClosingTheChangeWindowRestoresTheTable) {
    const Module1 before = m;
    for (const bool byframe : {false, true}) {
        driver.on<modifyproductinfofrm>("modifyproductinfofrm", [](modifyproductinfofrm& f) {
            f.prodlst.clickitem(0);
            f.okbut.press();
        });
        driver.on<modifyproductinfofrm2>("modifyproductinfofrm2",
                                         [byframe](modifyproductinfofrm2& f) {
                                             f.prodvectxt[5].type("9");
                                             if (byframe)
                                                 static_cast<QWidget&>(f).close();
                                             else
                                                 f.cancelbut.press();
                                         });
        driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) {
            EXPECT_EQ(f.prodnamtxt[0].text(), "Gear");
            leave(f);
        });
        modifyproductinfofrm f;
        f.show_modal();
        EXPECT_EQ(m.nprod, before.nprod);
        EXPECT_EQ(m.prodname, before.prodname);
        EXPECT_EQ(m.uload, before.uload);
        EXPECT_EQ(m.prodvecstart, before.prodvecstart);
        EXPECT_EQ(m.prodveclen, before.prodveclen);
        EXPECT_EQ(m.prodvec, before.prodvec);
        EXPECT_EQ(m.prodvectotal, before.prodvectotal);
    }
}

// A routing of 20 steps, which only a file can bring, keeps the two steps
// beyond the window's boxes after the edited ones.
TEST_F(ProductWindows, ChangingALongerRoutingKeepsItsLastSteps) {
    std::string file = "2,1\r\n\"Press\",100\r\n\"Weld\",100\r\n10\r\n5\r\n2\r\n1\r\n0\r\n-10\r\n"
                       "\"A\",0,0\r\n,,,,,,,,,,\r\n3\r\n\"Gear\",5,1,3\r\n\"Long\",7,4,20\r\n"
                       "\"Cover\",9,24,2\r\n25\r\n1\r\n2\r\n1\r\n";
    std::vector<double> routing;
    for (int k = 1; k <= 20; ++k) {
        routing.push_back(100 + k);
        file += std::to_string(100 + k) + "\r\n";
    }
    file += "2\r\n1\r\n0\r\n0\r\n";
    TempDir dir;
    m.problemfile = dir.write("LONG", file).string();
    ASSERT_TRUE(m.loadproblemfile());

    driver.on<modifyproductinfofrm>("modifyproductinfofrm", [](modifyproductinfofrm& f) {
        f.prodlst.clickitem(1);
        f.okbut.press();
    });
    driver.on<modifyproductinfofrm2>("modifyproductinfofrm2", [](modifyproductinfofrm2& f) {
        EXPECT_EQ(f.prodvectxt[17].text(), " 118");
        f.prodvectxt[2].type("9");
        f.changebut.press();
    });
    driver.on<reviewproductfrm>("reviewproductfrm", leave);
    modifyproductinfofrm f;
    f.show_modal();

    routing[2] = 9;
    const auto steps = [this](int p) {
        const long start = m.prodvecstart[std::size_t(p)].whole();
        std::vector<double> out;
        for (long k = 0; k < m.prodveclen[std::size_t(p)].whole(); ++k)
            out.push_back(m.prodvec[std::size_t(start + k)].num());
        return out;
    };
    EXPECT_EQ(m.prodname[3], "Long");
    EXPECT_EQ(steps(3), routing);
    EXPECT_EQ(steps(1), (std::vector<double>{1, 2, 1}));
    EXPECT_EQ(steps(2), (std::vector<double>{2, 1}));
    EXPECT_EQ(m.prodvecstart[3].whole(), 6);
    EXPECT_EQ(m.prodvectotal.whole(), 25);
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(ProductWindows, MatrixOpensOverTheReview) {
    driver.on<reviewproductfrm>("reviewproductfrm", [](reviewproductfrm& f) {
        f.matrixbut.press();
        EXPECT_TRUE(f.isopen());
        f.prntbut.press();
        f.contbut.press();
    });
    driver.on<t53336frm>("t53336frm", [](t53336frm& f) { f.okbut.press(); });
    review();
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"reviewproductfrm", "t53336frm"}));
    EXPECT_EQ(driver.prints().size(), 1u);
}

} // namespace
