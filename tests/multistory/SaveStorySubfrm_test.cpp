// The story export: one problem file per story of a saved partition, byte for
// byte, with the filler department "EMPTY", and the problem as before after it.

#include "multistory/SaveStorySubfrm.h"
#include "multistory/msmenufrm.h"
#include "problem/filefrm.h"
#include "problem/lwratiofrm.h"
#include "tests/multistory/partitionwindows.h"
#include "tests/support/tempdir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// The lines of a file joined with CR LF, each line ended by it.
std::string crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& l : lines)
        out += l + "\r\n";
    return out;
}

std::string readfile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class StoryExport : public PartitionWindows {
protected:
    void SetUp() override {
        PartitionWindows::SetUp();
        // Ten departments; partition 1 puts 600 on story 1 (in the order 7, 3,
        // 2, 5, 1) and 400 on story 2; partition 2 has two stories of 500;
        // partition 3 adds an empty third story to partition 1.
        setproblem({50, 150, 100, 100, 100, 100, 200, 100, 50, 50},
                   {{3, 7, "E"}, {2, 7, "a"}, {1, 5, "X"}, {4, 9, "I"}, {8, 10, "O"}});
        m.flowmatrix[3][7] = 12.5;
        m.addflowmatrix[3][7] = 4;
        m.flowmatrix[2][7] = 3;
        m.addflowmatrix[1][5] = 1;
        m.flowmatrix[4][9] = 7;
        m.addflowmatrix[4][9] = 2;
        m.prodflag = 0;
        m.nprod = 2;
        m.nsavedlayouts = 1;
        m.drawwidth = 450;
        m.drawheight = 150;
        m.drawcellwidth = 150;
        m.drawcellheight = 50;
        m.ratioaux1 = 19;
        m.ratioaux2 = 6;
        m.ratioaux3 = 15;
        m.lwratio = 1.35;
        m.layoutlength = 40;
        m.layoutwidth = 25;
        savestories({{7, 3, 2, 5, 1}, {4, 6, 8, 9, 10}}, 0.25, 11);
        savestories({{7, 5, 8, 9, 10}, {1, 2, 3, 4, 6}}, 0.25, 0);
        savestories({{7, 3, 2, 5, 1}, {4, 6, 8, 9, 10}, {}}, Cell(""), 11);
        m.problemfile = (folder / "SHOP").string();
        m.filemode = 3;
        before = m;
    }

    // Exports the partition typed, choosing the square ratio.
    void exportpartition(const std::string& typed) {
        driver.on<SaveStorySubfrm>("SaveStorySubfrm", [typed](SaveStorySubfrm& f) {
            f.ntxt.type(typed);
            f.contbut.press();
            f.backbut.press();
        });
        driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& f) { f.opt3but.press(); });
        SaveStorySubfrm window;
        window.show_modal();
    }

    std::string story(int s) const { return readfile(folder / ("SHOP-" + std::to_string(s))); }

    // What every story file holds after its pair lines.
    static std::vector<std::string> tail() { return {"10", "5", "2", "1", "0", "-10"}; }
    static std::vector<std::string> ending() {
        return {"333,150,111,50,17,6,15,1,40,25,", "0", "0", "0"};
    }
    static std::string storyfile(std::vector<std::string> head,
                                 const std::vector<std::string>& pairs) {
        for (const auto& l : tail())
            head.push_back(l);
        for (const auto& l : pairs)
            head.push_back(l);
        for (const auto& l : ending())
            head.push_back(l);
        return crlf(head);
    }

    TempDir folder;
    Module1 before;
};

TEST_F(StoryExport, WritesEachStoryRenumberedWithAFillerForTheSmallerStory) {
    m.program = Program::storeyone;
    driver.on<msmenufrm>("msmenufrm", [](msmenufrm& f) {
        f.Savebut.press();
        f.backbut.press();
    });
    const std::string name = (folder / "PLANT").string();
    driver.on<filefrm>("filefrm", [this](filefrm& f) {
        f.Dir1.setpath(folder.str());
        f.Text1.type("PLANT");
        f.okbut.press();
    });
    driver.on<SaveStorySubfrm>("SaveStorySubfrm", [&](SaveStorySubfrm& f) {
        EXPECT_EQ(f.Label1.caption(), "Layout number to save");
        for (const char* typed : {"0", "x", "4"}) {
            f.ntxt.type(typed);
            f.contbut.press();
        }
        EXPECT_EQ(m.exportpartno, 4);
        f.ntxt.type("1.6");
        f.contbut.press();
        EXPECT_EQ(f.filelbl[0].caption(), name + "- 1");
        EXPECT_EQ(f.filelbl[1].caption(), name + "- 2");
        EXPECT_EQ(f.filelbl[2].caption(), "");
        f.backbut.press();
    });
    driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& f) { f.opt3but.press(); });
    msmenufrm menu;
    menu.show_modal();

    EXPECT_EQ(driver.messages(), std::vector<std::string>(3, "Partition number out of range."));
    EXPECT_EQ(
        readfile(folder / "PLANT-1"),
        storyfile({"5,0", "\"D7\",200", "\"D3\",100", "\"D2\",150", "\"D5\",100", "\"D1\",50"},
                  {"\"E\",12.5,12.5", "\"a\",3,3", "\"\",0,0", "\"\",0,0", "\"\",0,0", "\"\",0,0",
                   "\"\",0,0", "\"\",0,0", "\"\",0,0", "\"X\",0,0"}));
    EXPECT_EQ(readfile(folder / "PLANT-2"),
              storyfile({"6,1", "\"D4\",100", "\"D6\",100", "\"D8\",100", "\"D9\",50", "\"D10\",50",
                         "\"EMPTY\",200"},
                        {"\"\",0,0", "\"\",0,0", "\"I\",7,7", "\"\",0,0", "\"U\",0,0", "\"\",0,0",
                         "\"\",0,0", "\"\",0,0", "\"U\",0,0", "\"\",0,0", "\"O\",0,0", "\"U\",0,0",
                         "\"\",0,0", "\"U\",0,0", "\"U\",0,0"}));
    EXPECT_FALSE(std::filesystem::exists(folder / "PLANT"));
    EXPECT_FALSE(std::filesystem::exists(folder / "PLANT-3"));
    EXPECT_EQ(m.problemfile, name);
    EXPECT_EQ(m.exportpartno, 1);
    EXPECT_EQ(m.storysuffix, "2");
    EXPECT_EQ(m.curstory, 2);
}

TEST_F(StoryExport, LeavesTheProblemAsItWasButForTheCurrentPartitionAndTheFlags) {
    m.partspare = "kept";
    exportpartition("1");
    EXPECT_EQ(m.ndept, before.ndept);
    EXPECT_EQ(m.deptname, before.deptname);
    EXPECT_EQ(m.deptarea, before.deptarea);
    EXPECT_EQ(m.relchart, before.relchart);
    EXPECT_EQ(m.flowmatrix, before.flowmatrix);
    EXPECT_EQ(m.addflowmatrix, before.addflowmatrix);
    EXPECT_EQ(m.nprod, Cell(2));
    EXPECT_EQ(m.nsavedlayouts, Cell(1));
    EXPECT_EQ(m.nsavedpart, Cell(3));
    EXPECT_EQ(m.lwratio, Cell(1.35));
    EXPECT_EQ(m.drawwidth, Cell(450));
    EXPECT_EQ(m.ratioaux1, Cell(19));
    EXPECT_EQ(m.prodflag, 1);
    EXPECT_EQ(m.filemode, 3);
    // The current partition is saved partition 1; its spare field stays.
    EXPECT_EQ(m.nstories, 2);
    EXPECT_EQ(members(1), (std::vector<int>{7, 3, 2, 5, 1}));
    EXPECT_EQ(m.partscore, 11);
    EXPECT_EQ(m.partspare, Cell("kept"));
}

TEST_F(StoryExport, KeepsEveryLetterAsText) {
    // A file may leave a letter empty or give a number; the export keeps letters as texts.
    m.relchart[1][5] = Cell::empty();
    m.relchart[4][9] = Cell(5);
    exportpartition("1");
    EXPECT_NE(story(1).find("\r\n\"\",0,0\r\n333,"), std::string::npos);
    EXPECT_NE(story(2).find("\r\n\"5\",7,7\r\n"), std::string::npos);
    EXPECT_EQ(m.relchart[1][5], Cell(""));
    EXPECT_EQ(m.relchart[4][9], Cell("5"));
}

TEST_F(StoryExport, EqualStoriesGetNoFiller) {
    exportpartition("2");
    EXPECT_EQ(story(1).substr(0, 5), "5,0\r\n");
    EXPECT_EQ(story(2).substr(0, 5), "5,1\r\n");
    EXPECT_EQ(story(1).find("EMPTY"), std::string::npos);
    EXPECT_EQ(story(2).find("EMPTY"), std::string::npos);
}

TEST_F(StoryExport, AnEmptyStoryBecomesTheFillerAlone) {
    exportpartition("3");
    EXPECT_EQ(story(3), storyfile({"1,1", "\"EMPTY\",600"}, {}));
    EXPECT_EQ(story(2).substr(0, 5), "6,1\r\n");
}

} // namespace
