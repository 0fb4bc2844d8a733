// The length-to-width ratio: presets and a typed length and width.
#include "problem/lengthwidthfrm.h"
#include "problem/lwratiofrm.h"
#include "tests/problem/definition.h"
#include "tests/support/tempdir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class Ratio : public Definition {
protected:
    struct Drawing {
        double lwratio, width, height, cellwidth, cellheight, aux1, aux2, aux3;
        bool operator==(const Drawing&) const = default;
    };
    Drawing drawing() const {
        return {m.lwratio.num(),       m.drawwidth.num(),      m.drawheight.num(),
                m.drawcellwidth.num(), m.drawcellheight.num(), m.ratioaux1.num(),
                m.ratioaux2.num(),     m.ratioaux3.num()};
    }
    // Specify Ratio, then the typed length and width with Ok.
    Drawing specify(const std::string& length, const std::string& width) {
        m.ratioaux3 = 15;
        driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& f) { f.opt5but.press(); });
        driver.on<specxyfrm>("specxyfrm", [&](specxyfrm& f) {
            f.lenxtxt.type(length);
            f.widxtxt.type(width);
            f.okbut.press();
        });
        lwratiofrm f;
        f.show_modal();
        return drawing();
    }
};

TEST_F(Ratio, BackLeavesTheDefaultRatioAndNoDrawingValues) {
    driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& f) {
        EXPECT_EQ(f.caption(), "Length to Width Ratio");
        f.backbut.press();
    });
    lwratiofrm f;
    f.show_modal();
    EXPECT_EQ(m.lwratio.num(), 1.35);
    EXPECT_TRUE(m.drawwidth.isempty());
}

TEST_F(Ratio, PresetsSetAllEightValues) {
    const std::pair<int, Drawing> presets[] = {{1, {1.35, 450, 150, 150, 50, 19, 6, 15}},
                                               {2, {2, 450, 102, 150, 34, 19, 4, 15}},
                                               {3, {1, 333, 150, 111, 50, 17, 6, 15}},
                                               {4, {0.5, 165, 150, 55, 50, 8, 6, 15}}};
    for (const auto& [button, expected] : presets) {
        driver.on<lwratiofrm>("lwratiofrm", [button](lwratiofrm& f) {
            forms::CommandButton* options[] = {&f.opt1but, &f.opt2but, &f.opt3but, &f.opt4but};
            options[button - 1]->press();
        });
        lwratiofrm f;
        f.show_modal();
        EXPECT_EQ(drawing(), expected) << button;
    }
}

TEST_F(Ratio, TypedLengthAndWidth) {
    m.ratioaux1 = 99;
    EXPECT_EQ(specify("2", "1"), (Drawing{2, 450, 99, 150, 33, 19, 2, 15}));
    // Below 1.35 the width shrinks and the auxiliary values stay.
    m.ratioaux1 = 99;
    m.ratioaux2 = 98;
    EXPECT_EQ(specify("1", "2"), (Drawing{0.5, 165, 150, 55, 50, 99, 98, 15}));
    EXPECT_EQ(specify("1.35", "1"), (Drawing{1.35, 450, 150, 150, 50, 19, 2, 15}));
    EXPECT_EQ(specify("10", "1"), (Drawing{10, 450, 18, 150, 6, 19, 1, 15}));
    EXPECT_EQ(specify("3", "3"), (Drawing{1, 333, 150, 111, 50, 17, 6, 15}));
}

TEST_F(Ratio, LengthOrWidthNotAboveZeroOrNoFiniteRatioIsRefused) {
    const std::string plant = MARQUETA_SOURCE_DIR "/examples/PLANT";
    m.initproblem();
    m.problemfile = plant;
    ASSERT_TRUE(m.loadproblemfile());
    m.computescorevector();
    driver.on<specxyfrm>("specxyfrm", [&](specxyfrm& f) {
        EXPECT_EQ(f.caption(), "Specify Length and Width Ratios");
        for (auto [length, width] : {std::pair{"2", "0"},
                                     {"0", "1"},
                                     {"2", ""},
                                     {"wide", "1"},
                                     {"-3", "1"},
                                     {"2", "-1"},
                                     {"1e300", "1e-300"},
                                     {"1e-300", "1e300"}}) {
            f.lenxtxt.type(length);
            f.widxtxt.type(width);
            f.okbut.press();
            EXPECT_TRUE(f.isopen()) << length << " " << width;
        }
        f.backbut.press();
    });
    driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& f) { f.backbut.press(); });
    specxyfrm f;
    f.show_modal();
    EXPECT_EQ(driver.messages().size(), 8u);
    EXPECT_EQ(driver.messages()[0], "Length and width must be greater than 0!");
    // Far enough apart, their ratio is beyond any number, or below the least.
    EXPECT_EQ(driver.messages()[6], "Length and width are too far apart to give a ratio!");
    EXPECT_EQ(driver.messages()[7], driver.messages()[6]);
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"specxyfrm", "lwratiofrm"}));
    // Nothing changed: the next Save writes the problem as it was read.
    const TempDir dir;
    m.problemfile = (dir / "AGAIN").string();
    ASSERT_TRUE(m.saveproblemfile());
    const auto bytes = [](const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(bytes(dir / "AGAIN"), bytes(plant));
}

} // namespace
