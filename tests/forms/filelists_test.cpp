// Drive, folder and file lists over a temporary folder.

#include "forms/driver.h"
#include "forms/filelists.h"
#include "forms/form.h"
#include "tests/support/tempdir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct FileWindow final : forms::Form {
    FileWindow() : Form("filefrm", "File ") {}
    forms::DriveList Drive1{this, "Drive1"};
    forms::DirList Dir1{this, "Dir1"};
    forms::FileList File1{this, "File1"};
};

// A folder with problem files, other files, hidden files and subfolders.
struct Files : ::testing::Test {
    TempDir dir;
    void SetUp() override {
        for (const char* f : {"SHOP", "PLANT", "a.txt", ".hidden", "notes.", "b.c.d"})
            dir.write(f, "x");
        fs::create_directory(dir / "work");
        fs::create_directory(dir / "archive");
        fs::create_directory(dir / ".cache");
    }
};

} // namespace

TEST(FileLists, DrivesStartWithTheRoot) {
    FileWindow w;
    ASSERT_GT(w.Drive1.count(), 0);
    EXPECT_EQ(w.Drive1.itemText(0), "/");
    EXPECT_THROW(w.Drive1.setdrive("/no/such/drive"), std::runtime_error);
}

TEST(FileLists, TheListsStartAtTheCurrentFolder) {
    TempDir dir;
    const CurrentFolder here(dir.path());
    FileWindow w;
    EXPECT_EQ(w.Dir1.path(), QDir::currentPath().toStdString());
    EXPECT_EQ(w.File1.path(), w.Dir1.path());
}

TEST_F(Files, PatternWithoutExtensionListsFilesWithoutAPoint) {
    FileWindow w;
    w.File1.setpath(dir.str());
    w.File1.setpattern("*.");
    EXPECT_EQ(w.File1.files(), (std::vector<std::string>{"PLANT", "SHOP"}));
    w.File1.setpattern("*.*");
    EXPECT_EQ(w.File1.files(),
              (std::vector<std::string>{"PLANT", "SHOP", "a.txt", "b.c.d", "notes."}));
    w.File1.setpattern("*.txt");
    EXPECT_EQ(w.File1.files(), std::vector<std::string>{"a.txt"});
}

TEST_F(Files, ClickingAFileSelectsItAndRunsTheEvents) {
    forms::Driver driver;
    FileWindow w;
    w.File1.setpath(dir.str());
    w.File1.setpattern("*.");
    std::vector<std::string> events;
    w.File1.onclick = [&] { events.push_back("click " + w.File1.filename()); };
    w.File1.ondblclick = [&] { events.push_back("dblclick " + w.File1.filename()); };
    EXPECT_EQ(w.File1.filename(), "");
    w.File1.clickfile("SHOP");
    w.File1.dblclickfile("PLANT");
    w.File1.clickfile("a.txt");
    EXPECT_EQ(events, (std::vector<std::string>{"click SHOP", "click PLANT", "dblclick PLANT"}));
    EXPECT_EQ(driver.failures(),
              std::vector<std::string>{"click on a.txt, which File1 does not list"});
}

TEST_F(Files, TheFolderListFollowsFoldersAndTheFileListFollowsIt) {
    FileWindow w;
    w.Dir1.onchange = [&] { w.File1.setpath(w.Dir1.path()); };
    int changes = 0;
    w.Dir1.onchange = [&, follow = w.Dir1.onchange] {
        ++changes;
        follow();
    };
    w.File1.setpattern("*.");
    w.Dir1.setpath(dir.str());
    EXPECT_EQ(w.Dir1.path(), dir.str());
    EXPECT_EQ(w.Dir1.subfolders(), (std::vector<std::string>{"archive", "work"}));
    EXPECT_EQ(w.File1.files(), (std::vector<std::string>{"PLANT", "SHOP"}));
    // The list shows the folder, its parent and its subfolders.
    EXPECT_EQ(w.Dir1.item(1)->text(), "..");
    EXPECT_EQ(w.Dir1.item(2)->text(), "archive");
    w.Dir1.setpath("work");
    EXPECT_EQ(w.Dir1.path(), (dir / "work").string());
    EXPECT_TRUE(w.File1.files().empty());
    w.Dir1.setpath("..");
    EXPECT_EQ(w.Dir1.path(), dir.str());
    w.Dir1.setpath(dir.str() + "/");
    EXPECT_EQ(changes, 3);
    w.Dir1.setpath("/");
    EXPECT_EQ(w.Dir1.path(), "/");
    EXPECT_NE(w.Dir1.item(1)->text(), "..");
}

TEST_F(Files, AFolderThatCannotBeReadIsRefused) {
    FileWindow w;
    w.Dir1.setpath(dir.str());
    EXPECT_THROW(w.Dir1.setpath("missing"), std::runtime_error);
    EXPECT_THROW(w.Dir1.setpath((dir / "SHOP").string()), std::runtime_error);
    EXPECT_EQ(w.Dir1.path(), dir.str());
    EXPECT_THROW(w.File1.setpath((dir / "missing").string()), std::runtime_error);
    if (::geteuid() != 0) { // the superuser reads every folder
        fs::permissions(dir / "work", fs::perms::none);
        EXPECT_THROW(w.Dir1.setpath("work"), std::runtime_error);
        EXPECT_EQ(w.Dir1.path(), dir.str());
    }
}
