// The partition display: what it shows, its print, its save with the 20-entry
// limit, and the exchange between stories with the display opened again.

#include "multistory/exchangebtwstoriesfrm.h"
#include "multistory/msprintpartitionfrm.h"
#include "tests/multistory/partitionwindows.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using PartitionDisplay = PartitionWindows;

TEST_F(PartitionDisplay, ShowsStoriesAreasFactorsAndScore) {
    setstories({{1, 2}, {3, 4}}, 0.25);
    m.partscore = 15;
    driver.on<msprintpartitionfrm>("msprintpartitionfrm", [](msprintpartitionfrm& f) {
        EXPECT_EQ(f.caption(), "MS Print Partition");
        EXPECT_EQ(f.deptlbl[3].caption(), " 4. D4");
        EXPECT_FALSE(f.deptlbl[4].visible());
        EXPECT_EQ(f.storylbl[0].caption(), "Story / site  1.");
        EXPECT_FALSE(f.storylbl[2].visible());
        EXPECT_EQ(f.deptsonlbl[0].caption(), " 1  2 ");
        EXPECT_EQ(f.deptsonlbl[1].caption(), " 3  4 ");
        EXPECT_EQ(f.storyarealbl[0].caption(), " 400");
        EXPECT_EQ(f.storyarealbl[1].caption(), " 600");
        EXPECT_EQ(f.storyarealbl[2].caption(), "");
        EXPECT_EQ(f.asdiflbl.caption(), "0.20");
        EXPECT_EQ(f.sdiflbl.caption(), "0.25");
        EXPECT_EQ(f.partscorelbl.caption(), "0.50 = (15 / 30)");
        f.prntbut.press();
        f.contbut.press();
    });
    msprintpartitionfrm display;
    display.show_modal();
    EXPECT_EQ(m.targetarea, 500);
    EXPECT_DOUBLE_EQ(m.actualadf, 0.2);
    ASSERT_EQ(driver.prints().size(), 1u);
    EXPECT_EQ(driver.prints()[0].kind, forms::PrintJob::Kind::image);
    EXPECT_EQ(driver.prints()[0].title, "msprintpartitionfrm");
}

TEST_F(PartitionDisplay, StoriesOfTheTargetAreaShowNoFactor) {
    setproblem({250, 250, 500}, {});
    setstories({{1, 2}, {3}}, Cell(""));
    driver.on<msprintpartitionfrm>("msprintpartitionfrm", [](msprintpartitionfrm& f) {
        EXPECT_EQ(f.asdiflbl.caption(), "0.00");
        EXPECT_EQ(f.sdiflbl.caption(), "");
        f.contbut.press();
    });
    msprintpartitionfrm display;
    display.show_modal();
}

TEST_F(PartitionDisplay, SavesUpToTwentyPartitionsAndRefusesTheNext) {
    for (int p = 1; p <= 19; ++p)
        savestories({{1, 2, 3, 4}}, 0.5, 30);
    setstories({{2, 4}, {1, 3}}, Cell(""));
    driver.on<msprintpartitionfrm>("msprintpartitionfrm",
                                   [](msprintpartitionfrm& f) { f.Savebut.press(); });
    driver.on<msprintpartitionfrm>("msprintpartitionfrm", [](msprintpartitionfrm& f) {
        f.Savebut.press();
        EXPECT_TRUE(f.isopen());
        f.contbut.press();
    });
    for (int k = 0; k < 2; ++k) {
        msprintpartitionfrm display;
        display.show_modal();
    }
    EXPECT_EQ(driver.messages(),
              (std::vector<std::string>{
                  "Partion saved to memory, original problem must still be saved under main "
                  "menu.",
                  "Maximum number already saved."}));
    EXPECT_EQ(m.nsavedpart, Cell(20));
    EXPECT_EQ(m.savednstories[20], Cell(2));
    EXPECT_EQ(m.saveddesiredadf[20], Cell(""));
    EXPECT_EQ(m.savedstorymembers[1][1][20], Cell(2));
    EXPECT_EQ(m.savedstorymembers[2][2][20], Cell(3));
    EXPECT_EQ(m.savedstoryofdept[4][20], Cell(1));
    EXPECT_EQ(m.savedpartscore[20].num(), 5);
    EXPECT_EQ(m.savednstories[19], Cell(1));
}

TEST_F(PartitionDisplay, ExchangeMovesTwoDepartmentsAndTheDisplayShowsTheResult) {
    setstories({{1, 2}, {3, 4}}, 0.25);
    driver.on<msprintpartitionfrm>("msprintpartitionfrm",
                                   [](msprintpartitionfrm& f) { f.exchangebut.press(); });
    driver.on<exchangebtwstoriesfrm>("exchangebtwstoriesfrm", [](exchangebtwstoriesfrm& f) {
        const std::vector<std::pair<std::string, std::string>> refused = {
            {"2", "5"}, {"0", "3"}, {"1.5", "3"}, {"x", "3"}};
        for (const auto& [a, b] : refused) {
            f.nnx1txt.type(a);
            f.nnx2txt.type(b);
            f.contbut.press();
        }
        f.nnx1txt.type("2");
        f.nnx2txt.type("3");
        f.contbut.press();
    });
    driver.on<msprintpartitionfrm>("msprintpartitionfrm", [](msprintpartitionfrm& f) {
        EXPECT_EQ(f.deptsonlbl[0].caption(), " 1  3 ");
        EXPECT_EQ(f.deptsonlbl[1].caption(), " 2  4 ");
        EXPECT_EQ(f.storyarealbl[0].caption(), " 300");
        EXPECT_EQ(f.storyarealbl[1].caption(), " 700");
        EXPECT_EQ(f.asdiflbl.caption(), "0.40");
        EXPECT_EQ(f.partscorelbl.caption(), "0.17 = (5 / 30)");
        f.contbut.press();
    });
    msprintpartitionfrm display;
    display.show_modal();
    EXPECT_EQ(driver.messages(),
              std::vector<std::string>(4, "Incorrect department numbers entered."));
    EXPECT_EQ(m.storyofdept[2], 2);
    EXPECT_EQ(m.storyofdept[3], 1);
    EXPECT_EQ(m.desiredadf, Cell(0.25));
}

TEST_F(PartitionDisplay, ExchangeRefusesADepartmentOnNoStoryAndCancelChangesNothing) {
    setstories({{1, 2}, {3}}, 0.25);
    const auto before = m.storymembers;
    driver.on<exchangebtwstoriesfrm>("exchangebtwstoriesfrm", [](exchangebtwstoriesfrm& f) {
        f.nnx1txt.type("4");
        f.nnx2txt.type("1");
        f.contbut.press();
        EXPECT_TRUE(f.isopen());
        f.cancelbut.press();
    });
    exchangebtwstoriesfrm exchange;
    exchange.show_modal();
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"Incorrect department numbers entered."});
    EXPECT_EQ(m.storymembers, before);
    EXPECT_EQ(m.storyofdept[4], 0);
}

TEST_F(PartitionDisplay, ExchangeOnOneStorySwapsPositionsOnly) {
    setstories({{1, 2}, {3, 4}}, 0.25);
    driver.on<exchangebtwstoriesfrm>("exchangebtwstoriesfrm", [](exchangebtwstoriesfrm& f) {
        f.nnx1txt.type("1");
        f.nnx2txt.type("2");
        f.contbut.press();
    });
    exchangebtwstoriesfrm exchange;
    exchange.show_modal();
    EXPECT_EQ(members(1), (std::vector<int>{2, 1}));
    EXPECT_EQ(m.storyarea[1], 400);
    EXPECT_EQ(m.partscore, 15);
}

} // namespace
