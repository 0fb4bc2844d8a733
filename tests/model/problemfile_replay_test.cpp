// The example problems and the fuzzing corpus through the reader and writer.

#include "model/module1.h"
#include "tests/support/tempdir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<fs::path> filesin(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(folder)) {
        if (e.is_regular_file()) files.push_back(e.path());
    }
    return files;
}

struct Loaded {
    std::unique_ptr<Module1> state = std::make_unique<Module1>();
    std::vector<std::string> messages;
};

std::unique_ptr<Loaded> load(const fs::path& path) {
    auto l = std::make_unique<Loaded>();
    // As in a program run: the problem defaults are in place before a file is read.
    l->state->timer = [] { return 0.0; };
    l->state->initproblem();
    l->state->showmessage = [m = &l->messages](std::string_view t) { m->emplace_back(t); };
    l->state->problemfile = path.string();
    l->state->loadproblemfile();
    return l;
}

std::string save(Module1& m, const fs::path& path) {
    m.problemfile = path.string();
    m.filemode = 1;
    m.saveproblemfile();
    return contents(path);
}

const fs::path source = MARQUETA_SOURCE_DIR;

} // namespace

TEST(Examples, ReadAndWriteBackUnchanged) {
    const TempDir dir;
    const auto files = filesin(source / "examples");
    ASSERT_GE(files.size(), 2u);
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        EXPECT_FALSE(f.has_extension());
        auto l = load(f);
        ASSERT_TRUE(l->messages.empty()) << l->messages.front();
        // The chart's scores, which the saved partitions' scores follow, come
        // from the score vector as after the windows of a loaded problem.
        l->state->computescorevector();
        EXPECT_EQ(save(*l->state, dir / "OUT"), contents(f));
        EXPECT_TRUE(l->messages.empty());
    }
}

TEST(Examples, HoldWhatTheyPromise) {
    auto workshop = load(source / "examples" / "WORKSHOP");
    ASSERT_TRUE(workshop->messages.empty());
    EXPECT_EQ(workshop->state->ndept, 6);
    auto plant = load(source / "examples" / "PLANT");
    ASSERT_TRUE(plant->messages.empty());
    const Module1& m = *plant->state;
    EXPECT_EQ(m.ndept, 14);
    EXPECT_EQ(m.nprod, Cell(3));
    EXPECT_EQ(m.prodflag, 1);
    EXPECT_EQ(m.nsavedlayouts, Cell(2));
    EXPECT_EQ(m.nsavedpart, Cell(2));
    EXPECT_EQ(m.saveddesiredadf[1], Cell("")); // a manual partition
    for (const Module1* p : {workshop->state.get(), plant->state.get()}) {
        for (int i = 1; i < p->ndept; ++i) {
            for (int j = i + 1; j <= p->ndept; ++j)
                EXPECT_EQ(p->relchart[i][j].text().size(), 1u) << i << "-" << j; // a full chart
        }
    }
}

TEST(FuzzCorpus, EveryFileIsReadOrRefusedCleanly) {
    const TempDir dir;
    const auto files = filesin(source / "fuzz" / "corpus");
    ASSERT_FALSE(files.empty());
    int read = 0;
    int refused = 0;
    for (const auto& f : files) {
        SCOPED_TRACE(f.string());
        auto l = load(f);
        if (!l->messages.empty()) {
            ++refused;
            EXPECT_EQ(l->messages.size(), 1u);
            EXPECT_EQ(l->messages[0].rfind("Problem file could not be read: ", 0), 0u);
            EXPECT_EQ(l->state->loadfilename, "");
            EXPECT_EQ(l->state->ndept, 0);
            continue;
        }
        ++read;
        const std::string once = save(*l->state, dir / "ONE");
        auto again = load(dir / "ONE");
        ASSERT_TRUE(again->messages.empty());
        EXPECT_EQ(save(*again->state, dir / "TWO"), once);
    }
    EXPECT_GT(read, 0);
    EXPECT_GT(refused, 0);
}
