#include "model/module1.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string crlf(std::initializer_list<const char*> lines) {
    std::string out;
    for (const char* l : lines)
        out += std::string(l) + "\r\n";
    return out;
}

// Three departments, no products, no saved layouts, no saved partitions.
const std::string threedepartments = crlf({
    "3,0",
    "\"Receiving\",100",
    "\"Machining\",200",
    "\"Shipping\",300",
    "10",
    "5",
    "2",
    "1",
    "0",
    "-10",
    "\"A\",0,0",
    "\"\",0,0",
    "\"e\",0,0",
    ",,,,,,,,,,",
    "0",
    "0",
    "0",
});

// A keyboard problem of storeymany: only the building's length and width are set.
const std::string keyboardproblem = crlf({
    "2,0",
    "\"Press\",12.5",
    "\"Store\",0.75",
    "10",
    "5",
    "2",
    "1",
    "0",
    "-10",
    "\"I\",0,3.25",
    ",,,,,,,,3.726425,2.760315,",
    "",
    "",
    "",
});

// Five departments with products, two saved layouts and two saved partitions:
// a manual one (empty desired factor) with stories of 2 and 3 departments and
// an automatic one with three stories.
const std::string fullproblem = crlf({
    "5,1",
    "\"Cutting\",100",
    "\"Paint, dry\",250",
    "\"Caf\xC3\xA9\",75.5",
    "\"Assembly\",120",
    "\"Office\",0.25",
    "10",
    "5",
    "2.5",
    "1",
    "0",
    "-10",
    "\"A\",0,12",
    "\"E\",1,0",
    "\"\",0,0",
    "\"x\",0,-0.5",
    "\"O\",0,0",
    "\"U\",0,0",
    "\"I\",0,0",
    "\"A\",0,0",
    "\"\",0,0",
    "\"E\",2,40",
    "450,150,150,50,19,6,15,1.35,24.46,18.12,5",
    "2",
    "\"Bracket\",12.5,1,3",
    "\"Housing\",4,4,2",
    "5",
    "1",
    "3",
    "4",
    "2",
    "5",
    "2",
    "0.5",
    "0.75",
    "2,1,350",
    "0,0,0",
    "0,3,75.5",
    "0,0,0",
    "0,0,0",
    "4,0,120",
    "0,0,0",
    "1,2,350",
    "5,4,120.25",
    "0,0,0",
    "0,0,0",
    "0,0,0",
    "0,0,0",
    "0,3,75.5",
    "0,0,0",
    "0,0,0",
    "0,0,0",
    "0,5,0.25",
    "101",
    "402",
    "102",
    "401",
    "201",
    "701",
    "501",
    "302",
    "502",
    "901",
    "2",
    "2,\"\",,0",
    "0.38,,",
    "0",
    "2,175.5",
    "1",
    "3",
    "3,370.25",
    "2",
    "4",
    "5",
    "1",
    "2",
    "1",
    "2",
    "2",
    "3,0.25,\"x\",1",
    "0.5,7,\"y\"",
    "0",
    "1,0.25",
    "5",
    "2,350",
    "1",
    "2",
    "2,195.5",
    "3",
    "4",
    "2",
    "2",
    "3",
    "3",
    "1",
});

class ProblemFile : public testing::Test {
protected:
    void SetUp() override {
        m = std::make_unique<Module1>();
        m->showmessage = [this](std::string_view t) { messages.emplace_back(t); };
    }

    fs::path path(const std::string& name) const { return dir_ / name; }

    static void write(const fs::path& p, const std::string& bytes) {
        std::ofstream(p, std::ios::binary) << bytes;
    }
    static std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Reads `bytes` as a problem file; true when no message was shown.
    bool load(const std::string& bytes, const std::string& name = "IN") {
        write(path(name), bytes);
        m->problemfile = path(name).string();
        const auto before = messages.size();
        const bool read = m->loadproblemfile();
        EXPECT_EQ(read, messages.size() == before); // a message exactly when it fails
        return read;
    }

    // What the writer makes of the state now.
    std::string save(const std::string& name = "OUT") {
        m->problemfile = path(name).string();
        m->filemode = 1;
        EXPECT_TRUE(m->saveproblemfile());
        return read(path(name));
    }

    void expectroundtrip(const std::string& bytes) {
        ASSERT_TRUE(load(bytes)) << (messages.empty() ? "" : messages.back());
        EXPECT_EQ(save(), bytes);
    }

    TempDir dir_;
    std::unique_ptr<Module1> m;
    std::vector<std::string> messages;
};

TEST_F(ProblemFile, ThreeDepartmentsMakeSeventeenLines) {
    m->timer = [] { return 0.0; };
    m->initproblem();
    m->ndept = 3;
    const char* const names[] = {"", "Receiving", "Machining", "Shipping"};
    for (int i = 1; i <= 3; ++i) {
        m->deptname[i] = names[i];
        m->deptarea[i] = 100 * i;
    }
    m->relchart[1][2] = "A";
    m->relchart[2][3] = "e";
    m->nprod = 0;
    m->nsavedlayouts = 0;
    m->nsavedpart = 0;
    m->prodflag = 0;
    EXPECT_EQ(save(), threedepartments);
    EXPECT_EQ(m->prodflag, 1);
    EXPECT_TRUE(messages.empty());
}

TEST_F(ProblemFile, HandWrittenFilesComeBackByteForByte) {
    expectroundtrip(threedepartments);
    expectroundtrip(keyboardproblem);
    expectroundtrip(fullproblem);
    // Read into a state that held another problem before: the same bytes again.
    expectroundtrip(keyboardproblem);
}

TEST_F(ProblemFile, ReadingFillsTheState) {
    m->deptname[5] = "Old";
    m->ndept = 2; // the positions of the departments held before are cleared
    m->deptpos[1] = 101;
    m->deptpos[3] = 302;
    m->zoneleft[1] = 1;
    m->zonearea[1] = 100;
    ASSERT_TRUE(load(threedepartments));
    EXPECT_EQ(m->ndept, 3);
    EXPECT_EQ(m->deptname[3], "Shipping");
    EXPECT_EQ(m->deptname[5], "Old"); // beyond the count: kept
    EXPECT_EQ(m->deptarea[2], Cell(200));
    EXPECT_EQ(m->relweight[6], Cell(-10));
    EXPECT_EQ(m->relchart[1][3], Cell(""));
    EXPECT_EQ(m->relchart[2][3], Cell("e")); // case kept
    EXPECT_EQ(m->deptpos[1], 0);             // the current layout is emptied
    EXPECT_EQ(m->deptpos[3], 302);
    EXPECT_EQ(m->zoneleft[1], 0);
    EXPECT_EQ(m->zonearea[1], 0);
    EXPECT_EQ(m->nprod, Cell(0));
    EXPECT_EQ(m->prodflag, 0);
    EXPECT_EQ(m->totalarea, 600);
    EXPECT_EQ(m->avgarea, 200);
    EXPECT_NEAR(m->stdarea, 81.65, 0.005);
    EXPECT_EQ(m->loadfilename, path("IN").string());
    EXPECT_TRUE(m->gridflag.isempty());
}

TEST_F(ProblemFile, KeyboardProblemKeepsItsEmptyCells) {
    ASSERT_TRUE(load(keyboardproblem));
    for (const Cell* c : {&m->drawwidth, &m->drawheight, &m->drawcellwidth, &m->drawcellheight,
                          &m->ratioaux1, &m->ratioaux2, &m->ratioaux3, &m->lwratio, &m->gridflag})
        EXPECT_TRUE(c->isempty());
    EXPECT_EQ(m->layoutlength, Cell(3.726425));
    EXPECT_TRUE(m->nprod.isempty());
    EXPECT_TRUE(m->nsavedlayouts.isempty());
    EXPECT_TRUE(m->nsavedpart.isempty());
    EXPECT_EQ(m->prodflag, 0);
}

TEST_F(ProblemFile, NeverAssignedCountsAreWrittenAsEmptyItems) {
    m->timer = [] { return 0.0; };
    m->initproblem();
    m->ndept = 1;
    m->deptname[1] = "Solo";
    m->deptarea[1] = 10;
    m->layoutlength = 4.5;
    m->layoutwidth = 2.25;
    EXPECT_EQ(save(), crlf({"1,1", "\"Solo\",10", "10", "5", "2", "1", "0", "-10",
                            ",,,,,,,,4.5,2.25,", "", "", ""}));
}

TEST_F(ProblemFile, FullProblemReadsIntoEveryTable) {
    ASSERT_TRUE(load(fullproblem));
    EXPECT_EQ(m->deptname[2], "Paint, dry");
    EXPECT_EQ(m->deptname[3], "Caf\xC3\xA9");
    EXPECT_EQ(m->relchart[1][5], Cell("x"));
    EXPECT_EQ(m->flowmatrix[1][5], Cell(-0.5));
    EXPECT_EQ(m->addflowmatrix[4][5], Cell(2));
    EXPECT_EQ(m->gridflag, Cell(5));
    EXPECT_EQ(m->prodflag, 1);
    EXPECT_EQ(m->prodname[2], "Housing");
    EXPECT_EQ(m->prodvec[5], Cell(5));
    EXPECT_EQ(m->savedadjscore[1], Cell(0.5));
    EXPECT_EQ(m->savedadjscore[2], Cell(0.75));
    EXPECT_EQ(m->savedzoneright[1][1], Cell(2)); // Right comes before Left
    EXPECT_EQ(m->savedzoneleft[1][1], Cell(1));
    EXPECT_EQ(m->savedzoneleft[4][2], Cell(2));
    EXPECT_EQ(m->saveddeptpos[1][2], Cell(402));
    EXPECT_EQ(m->saveddeptpos[5][2], Cell(901));
    // The manual partition's desired factor is the empty text: not empty, not 0.
    EXPECT_EQ(m->saveddesiredadf[1], Cell(""));
    EXPECT_TRUE(m->savedpartspare[1].isempty());
    EXPECT_EQ(m->savedpartspare[2], Cell("x"));
    EXPECT_EQ(m->savedpartspare2[2], Cell(7));
    EXPECT_EQ(m->savedstorycount[2][1], Cell(3));
    EXPECT_EQ(m->savedstorymembers[2][3][1], Cell(5));
    EXPECT_EQ(m->savedstoryarea[3][2], Cell(195.5));
    EXPECT_EQ(m->savedstoryofdept[5][2], Cell(1));
    EXPECT_EQ(m->curstory, 4); // one past the last story of the last partition
    EXPECT_EQ(m->totalarea, 545.75);
}

TEST_F(ProblemFile, LettersKeepTheirFirstCharacterOnly) {
    std::string twoletters = threedepartments;
    twoletters.replace(twoletters.find("\"A\",0,0"), 7, "\"AB\",0,0");
    twoletters.replace(twoletters.find("\"e\",0,0"), 7, "\"\xC3\x84x\",0,0");
    ASSERT_TRUE(load(twoletters));
    EXPECT_EQ(m->relchart[1][2], Cell("A"));
    EXPECT_EQ(m->relchart[2][3], Cell("\xC3\x84"));
    EXPECT_EQ(save(), crlf({"3,0", "\"Receiving\",100", "\"Machining\",200", "\"Shipping\",300",
                            "10", "5", "2", "1", "0", "-10", "\"A\",0,0", "\"\",0,0",
                            "\"\xC3\x84\",0,0", ",,,,,,,,,,", "0", "0", "0"}));
}

TEST_F(ProblemFile, HeaderFlagIsReplacedByWhetherTheFileHoldsProducts) {
    std::string noflag = fullproblem;
    noflag.replace(0, 3, "5,0");
    ASSERT_TRUE(load(noflag));
    EXPECT_EQ(m->prodflag, 1);
    std::string flag = keyboardproblem;
    flag.replace(0, 3, "2,1");
    ASSERT_TRUE(load(flag));
    EXPECT_EQ(m->prodflag, 0);
}

TEST_F(ProblemFile, AcceptsLineFeedsShortDecimalsAndSingleByteNames) {
    std::string lf = threedepartments;
    for (auto p = lf.find("\r\n"); p != std::string::npos; p = lf.find("\r\n", p))
        lf.erase(p, 1);
    lf.replace(lf.find("\"Machining\",200"), 15, "\"Caf\xE9 \x80\",.5");
    lf.replace(lf.find("\n5\n"), 3, "\n-.5\n");
    lf += "\n\r\n \t\n"; // blank lines after the last record
    ASSERT_TRUE(load(lf));
    EXPECT_EQ(m->deptname[2], "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(m->deptarea[2], Cell(0.5));
    EXPECT_EQ(m->relweight[2], Cell(-0.5));
    const std::string out = save();
    EXPECT_NE(out.find("\r\n\"Caf\xC3\xA9 \xE2\x82\xAC\",0.5\r\n"), std::string::npos);
    EXPECT_NE(out.find("\r\n-0.5\r\n"), std::string::npos);
}

TEST_F(ProblemFile, NamesKeepTheFormat) {
    m->ndept = 2;
    m->deptname[1] = "Paint \"A\"\r\nShop\nX\rY";
    m->deptname[2] = "Stores, north";
    m->nprod = 1;
    m->prodname[1] = "Say \"hi\"";
    m->prodvectotal = 0;
    const std::string out = save();
    EXPECT_NE(out.find("\r\n\"Paint 'A' Shop X Y\",\r\n"), std::string::npos);
    EXPECT_NE(out.find("\r\n\"Say 'hi'\",,,\r\n"), std::string::npos);
    ASSERT_TRUE(load(out));
    EXPECT_EQ(m->deptname[1], "Paint 'A' Shop X Y");
    EXPECT_EQ(m->deptname[2], "Stores, north");
    EXPECT_EQ(m->prodname[1], "Say 'hi'");
}

TEST_F(ProblemFile, StoryExportAddsTheSuffix) {
    ASSERT_TRUE(load(threedepartments));
    m->problemfile = path("SHOP").string();
    m->filemode = 3;
    m->storysuffix = "2";
    EXPECT_TRUE(m->saveproblemfile());
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(fs::exists(path("SHOP-2")));
    EXPECT_FALSE(fs::exists(path("SHOP")));
    EXPECT_EQ(read(path("SHOP-2")), threedepartments);
    // Only the file itself is left in the folder: no temporary file stays behind.
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
}

TEST_F(ProblemFile, SaveBringsSavedPartitionsUpToDate) {
    ASSERT_TRUE(load(fullproblem));
    m->deptarea[3] = 80.5; // in story 1 of partition 1 and story 3 of partition 2
    m->relvalue[2][4] = m->relvalue[4][2] = 5;
    m->relvalue[2][5] = m->relvalue[5][2] = 2;
    m->relvalue[4][5] = m->relvalue[5][4] = 1;
    m->relvalue[3][4] = m->relvalue[4][3] = -10;
    m->relvalue[1][3] = m->relvalue[3][1] = 10;
    m->relvalue[2][2] = 100; // the diagonal of every member but the last counts
    m->relvalue[4][4] = 1000;
    m->relvalue[5][5] = 10000;
    save();
    EXPECT_EQ(m->savedstoryarea[1][1], Cell(180.5));
    EXPECT_EQ(m->savedstoryarea[2][1], Cell(370.25));
    EXPECT_EQ(m->savedstoryarea[3][2], Cell(200.5));
    EXPECT_EQ(m->savedstoryarea[1][2], Cell(0.25));
    // Partition 1: (1,3): 10; (2,4,5): 100 + 5 + 2 + 1000 + 1.
    EXPECT_EQ(m->savedpartscore[1].num(), 10 + 100 + 5 + 2 + 1000 + 1);
    // Partition 2: (5) nothing; (1,2): 0; (3,4): -10.
    EXPECT_EQ(m->savedpartscore[2].num(), -10);
    EXPECT_EQ(m->curstory, 4);
}

TEST_F(ProblemFile, ZonesAndStoryListsDecideWhereADepartmentIs) {
    const std::string plant = read(MARQUETA_SOURCE_DIR "/examples/PLANT");
    // The plant with every saved position and the last partition's story
    // entries emptied comes back whole.
    std::vector<std::string> lines;
    for (std::size_t at = 0, end; (end = plant.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(plant.substr(at, end - at));
    std::string emptied;
    for (std::size_t k = 0; k < lines.size(); ++k) {
        const bool position = k >= 167 && k < 195;
        emptied += (position || k + 14 >= lines.size() ? "" : lines[k]) + "\r\n";
    }
    m->timer = [] { return 0.0; };
    m->initproblem(); // the codes that score the partitions
    ASSERT_TRUE(load(emptied));
    EXPECT_EQ(save(), plant);

    // Saved while no department is there yet (a new problem being typed),
    // the zones and story lists name none.
    m->ndept = 0;
    save();
    for (int q = 1; q <= 2; ++q) {
        for (int k = 1; k <= 9; ++k) {
            EXPECT_EQ(m->savedzoneleft[k][q], Cell(0));
            EXPECT_EQ(m->savedzoneright[k][q], Cell(0));
            EXPECT_EQ(m->savedzonearea[k][q], Cell(0));
        }
        for (int s = 1; s <= m->savednstories[q].whole(); ++s)
            EXPECT_EQ(m->savedstorycount[s][q], Cell(0));
    }
}

TEST_F(ProblemFile, RecomputeDoesNothingWithoutSavedPartitions) {
    ASSERT_TRUE(load(fullproblem));
    m->nsavedpart = 0;
    m->deptarea[1] = 1;
    m->relvalue[1][3] = 10;
    m->recomputesavedstoryareas();
    m->rescoresavedpartitions();
    EXPECT_EQ(m->savedstoryarea[1][1], Cell(175.5));
    EXPECT_EQ(m->savedpartscore[1], Cell(0));
}

// ---- files that cannot be read -------------------------------------------

class UnreadableFile : public ProblemFile {
protected:
    void SetUp() override {
        ProblemFile::SetUp();
        ASSERT_TRUE(load(fullproblem, "GOOD"));
        m->deptpos[2] = 502;
        m->zoneleft[5] = 2;
        m->curstory = 9;
        before_ = save("BEFORE");
        m->problemfile = path("GOOD").string();
    }

    // Reads `bytes`; expects the message and a state exactly as before.
    void expectrejected(const std::string& bytes, const std::string& message) {
        messages.clear();
        EXPECT_FALSE(load(bytes));
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], message);
        expectuntouched();
    }

    void expectuntouched() {
        EXPECT_EQ(m->loadfilename, path("GOOD").string());
        EXPECT_EQ(m->deptpos[2], 502);
        EXPECT_EQ(m->zoneleft[5], 2);
        EXPECT_EQ(m->curstory, 4);
        EXPECT_EQ(m->prodflag, 1);
        messages.clear();
        EXPECT_EQ(save("AFTER"), before_);
    }

    static std::string replaceline(std::string bytes, int line, const std::string& with) {
        std::size_t start = 0;
        for (int i = 1; i < line; ++i)
            start = bytes.find("\r\n", start) + 2;
        const std::size_t end = bytes.find("\r\n", start);
        return bytes.replace(start, end - start, with);
    }

    std::string before_;
};

TEST_F(UnreadableFile, MissingFile) {
    m->problemfile = path("NONE").string();
    m->loadproblemfile();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Problem file could not be read: cannot open " + path("NONE").string());
    expectuntouched();
}

TEST_F(UnreadableFile, FolderInPlaceOfAFile) {
    m->problemfile = dir_.str();
    EXPECT_FALSE(m->loadproblemfile());
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Problem file could not be read: line 1: reading the file failed");
    expectuntouched();
}

TEST_F(UnreadableFile, TruncationsAreRejected) {
    // Cut after each line, after each line's CR and in the middle of each
    // line; only the last line's line end may be missing.
    std::vector<std::size_t> cuts;
    for (std::size_t start = 0, end = 0;
         (end = fullproblem.find("\r\n", start)) != std::string::npos; start = end + 2)
        cuts.insert(cuts.end(), {start, (start + end) / 2, end, end + 1});
    for (const std::size_t len : cuts) {
        if (len + 2 >= fullproblem.size()) continue;
        messages.clear();
        write(path("CUT"), fullproblem.substr(0, len));
        m->problemfile = path("CUT").string();
        m->loadproblemfile();
        ASSERT_EQ(messages.size(), 1u) << "cut at " << len;
        EXPECT_EQ(messages[0].rfind("Problem file could not be read: line ", 0), 0u);
    }
    expectuntouched();
}

TEST_F(UnreadableFile, TruncatedFileSaysWhereItEnds) {
    expectrejected(threedepartments.substr(0, threedepartments.find("\"A\",0,0")),
                   "Problem file could not be read: line 11: expected a pair line (letter, "
                   "additions, flow), found the end of the file");
}

TEST_F(UnreadableFile, CountsBeyondTheirTables) {
    const std::string start = "Problem file could not be read: ";
    expectrejected(replaceline(threedepartments, 1, "19,0"),
                   start + "line 1: expected the header line (department count 0 to 18, "
                           "product flag)");
    expectrejected(replaceline(threedepartments, 1, "-1,0"),
                   start + "line 1: expected the header line (department count 0 to 18, "
                           "product flag)");
    expectrejected(replaceline(threedepartments, 1, ",0"),
                   start + "line 1: expected the header line (department count 0 to 18, "
                           "product flag)");
    expectrejected(replaceline(threedepartments, 1, "2.5,0"),
                   start + "line 1: expected the header line (department count 0 to 18, "
                           "product flag)");
    expectrejected(replaceline(threedepartments, 15, "15"),
                   start + "line 15: expected the product count, a whole number from 0 to 14");
    expectrejected(replaceline(threedepartments, 16, "21"),
                   start + "line 16: expected the saved-layout count, a whole number from 0 "
                           "to 20");
    expectrejected(replaceline(threedepartments, 17, "21"),
                   start + "line 17: expected the saved-partition count, a whole number from "
                           "0 to 20");
    expectrejected(replaceline(threedepartments, 17, "\"1\""),
                   start + "line 17: expected the saved-partition count, a whole number from "
                           "0 to 20");
    expectrejected(replaceline(fullproblem, 27, "401"),
                   start + "line 27: expected the routing length, a whole number from 0 to 400");
    expectrejected(replaceline(fullproblem, 65, "7,\"\",,0"),
                   start + "line 65: expected a partition line (stories 0 to 6, desired "
                           "factor, spare, improved)");
    expectrejected(replaceline(fullproblem, 68, "19,175.5"),
                   start + "line 68: expected a story line (department count 0 to 18, area)");
}

TEST_F(UnreadableFile, DepartmentNumbersBeyondTheirTables) {
    const std::string start = "Problem file could not be read: ";
    const std::string zone = start + "line 36: expected a saved-layout zone line (right "
                                     "department 0 to 18, left department 0 to 18, area)";
    expectrejected(replaceline(fullproblem, 36, "19,1,350"), zone);
    expectrejected(replaceline(fullproblem, 36, "2,-1,350"), zone);
    const std::string position = start + "line 54: expected a saved-layout position (0, or 100 "
                                         "times zone 1 to 9 plus side 1 or 2)";
    for (const char* bad : {"1003", "103", "13", "1", "-101", "101.5", "\"101\""})
        expectrejected(replaceline(fullproblem, 54, bad), position);
    const std::string member = start + "line 69: expected a story member (department 1 to 18)";
    for (const char* bad : {"0", "19", "", "1.5"})
        expectrejected(replaceline(fullproblem, 69, bad), member);
    const std::string storyof = start + "line 75: expected the story of a department (0 to 6)";
    expectrejected(replaceline(fullproblem, 75, "7"), storyof);
}

TEST_F(UnreadableFile, MalformedItems) {
    const std::string start = "Problem file could not be read: ";
    const std::string dept = start + "line 2: expected a department line (name in quotes, area)";
    expectrejected(replaceline(threedepartments, 2, "\"Receiving\""), dept);
    expectrejected(replaceline(threedepartments, 2, "\"Receiving\",100,"), dept);
    expectrejected(replaceline(threedepartments, 2, "Receiving,100"), dept);
    expectrejected(replaceline(threedepartments, 2, "\"Receiving\",1 00"), dept);
    expectrejected(replaceline(threedepartments, 2, "\"Receiving,100"), dept);
    expectrejected(replaceline(threedepartments, 2, "\"Recei\"ving,100"), dept);
    expectrejected(replaceline(threedepartments, 2, "100,100"), dept);
    expectrejected(replaceline(threedepartments, 2, "\"Receiving\",nan"), dept);
    for (const char* bad : {"1e999", "1e", "1e+", "+1", "1x"})
        expectrejected(replaceline(threedepartments, 2, std::string("\"Receiving\",") + bad), dept);
    expectrejected(replaceline(threedepartments, 5, "10,"),
                   start + "line 5: expected a class score line (score)");
    expectrejected(replaceline(threedepartments, 14, ",,,,,,,,,"),
                   start + "line 14: expected the building line (11 items)");
    expectrejected(threedepartments + "0\r\n",
                   start + "line 18: unexpected content after the last record");
    expectrejected(replaceline(threedepartments, 2, "\"" + std::string(70000, 'x') + "\",1"),
                   start + "line 2: the line is too long");
}

// ---- saves that fail --------------------------------------------------------

TEST_F(ProblemFile, SaveIntoAFolderThatCannotExistFails) {
    ASSERT_TRUE(load(threedepartments));
    write(path("plain"), "not a folder");
    m->problemfile = (path("plain") / "SHOP").string();
    m->filemode = 1;
    EXPECT_FALSE(m->saveproblemfile());
    EXPECT_EQ(messages, std::vector<std::string>{"Can't save to CD or write protected drive!"});
    EXPECT_EQ(m->prodflag, 0);
    EXPECT_EQ(read(path("plain")), "not a folder");
}

TEST_F(ProblemFile, SaveOverAFolderFailsAndLeavesNoTemporaryFile) {
    ASSERT_TRUE(load(threedepartments));
    fs::create_directory(path("SHOP"));
    write(path("SHOP") / "inside", "kept");
    m->problemfile = path("SHOP").string();
    m->filemode = 1;
    EXPECT_FALSE(m->saveproblemfile());
    EXPECT_EQ(messages, std::vector<std::string>{"Can't save to CD or write protected drive!"});
    EXPECT_EQ(m->prodflag, 0);
    EXPECT_EQ(read(path("SHOP") / "inside"), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
}

TEST_F(ProblemFile, WriteErrorKeepsTheOldFile) {
    ASSERT_TRUE(load(fullproblem));
    write(path("SHOP"), "the old file");
    // A file size limit makes every write beyond a few bytes fail, even as root.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldhandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 16;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    m->problemfile = path("SHOP").string();
    m->filemode = 1;
    m->prodflag = 0;
    const bool saved = m->saveproblemfile();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldhandler);
    EXPECT_FALSE(saved);
    EXPECT_EQ(messages, std::vector<std::string>{"Can't save to CD or write protected drive!"});
    EXPECT_EQ(m->prodflag, 0);
    EXPECT_EQ(read(path("SHOP")), "the old file");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_.path()), fs::directory_iterator()), 2);
}

TEST_F(ProblemFile, CountsBeyondTheTablesAreNotWritten) {
    ASSERT_TRUE(load(threedepartments));
    write(path("SHOP"), "the old file");
    m->nsavedpart = 1;
    m->savednstories[1] = 7;
    m->problemfile = path("SHOP").string();
    EXPECT_FALSE(m->saveproblemfile());
    EXPECT_EQ(messages, std::vector<std::string>{"Can't save to CD or write protected drive!"});
    EXPECT_EQ(read(path("SHOP")), "the old file");
}

} // namespace
