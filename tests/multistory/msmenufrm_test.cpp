// The multi-story menu in both programs and the automatic partition road.

#include "multistory/AutomPartitionfrm.h"
#include "multistory/MSReviewSavedPartitionsfrm.h"
#include "multistory/msmenufrm.h"
#include "multistory/msprintpartitionfrm.h"
#include "multistory/mstablesavedpartitionsfrm.h"
#include "tests/multistory/partitionwindows.h"

#include <string>
#include <utility>
#include <vector>

namespace {

using MultiStoryMenu = PartitionWindows;

TEST_F(MultiStoryMenu, OpensByNameWithItsCaptionsAndTheExportHidden) {
    m.problemfile = "/work/SHOP";
    driver.on<msmenufrm>("msmenufrm", [](msmenufrm& f) {
        EXPECT_EQ(f.caption(), "Multi-story/Site Menu");
        EXPECT_EQ(f.Label1.caption(), "MULTI-STORY / SITE MENU");
        EXPECT_EQ(f.Label3.caption(), "/work/SHOP");
        EXPECT_EQ(f.tablebut.caption(), "3. Table of Saved Partitions");
        EXPECT_FALSE(f.Savebut.visible());
        EXPECT_EQ(f.useprodflowlbl.caption(), "");
        f.tablebut.press();
        f.backbut.press();
    });
    m.openwindow("msmenufrm");
    EXPECT_EQ(driver.opened(), std::vector<std::string>{"msmenufrm"});
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"No partitions saved."});
}

TEST_F(MultiStoryMenu, StoreyoneNamesLayoutsAndShowsTheExport) {
    m.program = Program::storeyone;
    driver.on<msmenufrm>("msmenufrm", [](msmenufrm& f) {
        EXPECT_EQ(f.manualbut.caption(), "1. Manual Layout");
        EXPECT_EQ(f.autobut.caption(), "2. Automatic Layout");
        EXPECT_EQ(f.reviewbut.caption(), "3. Review Saved Layouts");
        EXPECT_EQ(f.tablebut.caption(), "4. Table of Saved Layouts");
        EXPECT_EQ(f.Savebut.caption(), "5. Save Story / Site Layout");
        EXPECT_LT(f.reviewbut.y(), f.tablebut.y());
        EXPECT_TRUE(f.Savebut.visible());
        f.Savebut.press();
        f.reviewbut.press();
        f.backbut.press();
    });
    driver.on<MSReviewSavedPartitionsfrm>("MSReviewSavedPartitionsfrm",
                                          [](MSReviewSavedPartitionsfrm& f) {
                                              f.nstptxt.type("1");
                                              f.contbut.press();
                                              f.backbut.press();
                                          });
    msmenufrm menu;
    menu.show_modal();
    EXPECT_EQ(driver.messages(),
              (std::vector<std::string>{"No partitions saved.", "Bad starting point value"}));
}

TEST_F(MultiStoryMenu, AutomaticPartitionRefusesBadInputThenShowsTheChosenPartition) {
    // Eighteen saved partitions: the automatic partition leaves them all as they were.
    for (int p = 1; p <= 18; ++p)
        savestories({{1, 2, 3, 4}}, 0.5, p);
    const auto savedbefore = m.savedstorymembers;
    std::vector<std::string> emptied;
    driver.on<msmenufrm>("msmenufrm", [](msmenufrm& f) {
        f.autobut.press();
        f.backbut.press();
    });
    driver.on<AutomPartitionfrm>("AutomPartitionfrm", [&](AutomPartitionfrm& f) {
        EXPECT_EQ(f.caption(), "Automatic Partition");
        const std::vector<std::pair<std::string, std::string>> refused = {
            {"2.5", "0.2"}, {"0", "0.2"}, {"7", "0.2"}, {"2", "0"}, {"2", "1.5"}, {"x", "y"}};
        for (const auto& [stories, factor] : refused) {
            f.svnstortxt.type(stories);
            f.sdiftxt.type(factor);
            f.contbut.press();
            emptied.push_back(f.svnstortxt.text() + f.sdiftxt.text());
        }
        f.svnstortxt.type("2");
        f.sdiftxt.type("0.2");
        f.contbut.press();
    });
    driver.on<msprintpartitionfrm>("msprintpartitionfrm", [](msprintpartitionfrm& f) {
        EXPECT_TRUE(f.storylbl[1].visible());
        EXPECT_FALSE(f.storylbl[2].visible());
        EXPECT_EQ(f.sdiflbl.caption(), "0.20");
        EXPECT_EQ(f.asdiflbl.caption(), "0.20");
        // The chart-driven candidate scores higher than the area-driven one.
        EXPECT_EQ(f.partscorelbl.caption(), "0.67 = (20 / 30)");
        f.contbut.press();
    });
    msmenufrm menu;
    menu.show_modal();
    EXPECT_EQ(driver.messages(), std::vector<std::string>(6, "Input data out of range!"));
    EXPECT_EQ(emptied, std::vector<std::string>(6, ""));
    EXPECT_EQ(m.nstories, 2);
    EXPECT_EQ(members(1), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(members(2), (std::vector<int>{4}));
    EXPECT_EQ(m.nsavedpart, Cell(18));
    EXPECT_EQ(m.savedstorymembers, savedbefore);
    EXPECT_EQ(driver.opened(),
              (std::vector<std::string>{"msmenufrm", "AutomPartitionfrm", "msprintpartitionfrm"}));
}

} // namespace
