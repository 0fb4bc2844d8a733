#include "tests/support/runs.h"

#include "problem/creditsfrm.h"
#include "problem/editfrm.h"
#include "problem/filefrm.h"
#include "problem/introfrm.h"
#include "problem/sourcefrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"
#include "problem/windowtable.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

void Runs::SetUp() {
    ScriptedTest::SetUp();
    for (const char* name : {"PLANT", "WORKSHOP"})
        std::filesystem::copy_file(std::string(MARQUETA_SOURCE_DIR "/examples/") + name,
                                   dir / name);
}

void Runs::run(Program program, const Steps& steps) {
    m = Module1();
    installwindows(m);
    m.program = program;
    // Random layouts come out the same in every run.
    m.timer = [] { return 1000.0; };
    driver.on<creditsfrm>("creditsfrm", [](creditsfrm& f) { f.okbut.press(); });
    driver.on<introfrm>("introfrm", [](introfrm& f) { f.okbut.press(); });
    // One menu script takes the steps from `from` on, until a New Problem
    // reopens storeymany's menu, whose script takes the rest.
    auto menu = std::make_shared<std::function<void(std::size_t)>>();
    *menu = [this, program, steps, menu](std::size_t from) {
        driver.on<mainmenufrm>("mainmenufrm", [program, steps, menu, from](mainmenufrm& f) {
            for (std::size_t k = from; k < steps.size(); ++k) {
                if (steps[k].newproblem && program == Program::storeymany) {
                    (*menu)(k + 1);
                    return steps[k].act(f);
                }
                steps[k].act(f);
            }
            f.quitbut.press();
        });
    };
    (*menu)(0);
    creditsfrm credits;
    credits.show_modal();
    *menu = nullptr; // the scripts hold the function; let it go
}

std::vector<std::string> Runs::compare(Program program, const Journey& journey) {
    SCOPED_TRACE(journey.name);
    seen.clear();
    Steps first = journey.first;
    first.push_back(save("FIRST"));
    run(program, first);
    const std::vector<std::string> shown = seen;
    seen.clear();
    Steps fresh = journey.fresh;
    fresh.push_back(save("AGAIN"));
    run(program, fresh);
    EXPECT_EQ(seen, shown);
    EXPECT_EQ(file("AGAIN"), file("FIRST"));
    EXPECT_TRUE(driver.messages().empty()) << driver.messages().front();
    return shown;
}

Runs::Step Runs::open(const std::string& name, bool back) {
    return {[this, name, back](mainmenufrm& f) {
                driver.on<sourcefrm>("sourcefrm", [](sourcefrm& s) { s.diskbut.press(); });
                driver.on<filefrm>("filefrm", [this, name](filefrm& file) {
                    file.Dir1.setpath(dir.str());
                    file.File1.clickfile(name);
                    file.okbut.press();
                });
                driver.on<mainfrm>("mainfrm",
                                   [back](mainfrm& d) { (back ? d.backbut : d.okbut).press(); });
                if (!back) {
                    driver.on<relfrm>("relfrm", [](relfrm& c) { c.okbut.press(); });
                    driver.on<svectfrm>("svectfrm", [](svectfrm& s) { s.okbut.press(); });
                    driver.on<svect2frm>("svect2frm", [](svect2frm& s) { s.okbut.press(); });
                }
                f.newprobbut.press();
            },
            true};
}

Runs::Step Runs::edit(std::function<void(mainfrm&)> rows, std::function<void(relfrm&)> chart,
                      bool scores) {
    return {[this, rows, chart, scores](mainmenufrm& f) {
        driver.on<editfrm>("editfrm", [](editfrm& e) { e.areabut.press(); });
        driver.on<mainfrm>("mainfrm", [rows](mainfrm& d) {
            rows(d);
            d.okbut.press();
        });
        driver.on<relfrm>("relfrm", [chart](relfrm& c) {
            if (chart) chart(c);
            c.okbut.press();
        });
        driver.on<svectfrm>("svectfrm", [](svectfrm& s) { s.okbut.press(); });
        driver.on<svect2frm>("svect2frm", [this, scores](svect2frm& s) {
            for (int r = 0; scores && r < 18 && s.dscortxt[r].visible(); ++r)
                see("score " + std::to_string(r + 1) + ": " + s.dscortxt[r].text());
            s.okbut.press();
        });
        f.Editbut.press();
    }};
}

Runs::Step Runs::clearfrom(int from) {
    return edit([from](mainfrm& d) {
        for (int r = from - 1; r < 18; ++r)
            d.nmdpttxt[r].type("");
    });
}

Runs::Step Runs::add(int r, const std::string& name, const std::string& area) {
    return edit(
        [r, name, area](mainfrm& d) {
            d.nmdpttxt[r - 1].type(name);
            d.areatxt[r - 1].type(area);
        },
        [this, r](relfrm& c) {
            for (int i = 1; i < r; ++i)
                see("pair " + std::to_string(i) + ": " + c.chart.pair(i, r).text());
        },
        true);
}

Runs::Step Runs::save(const std::string& name) {
    return {[this, name](mainmenufrm& f) {
        driver.on<filefrm>("filefrm", [this, name](filefrm& file) {
            file.Dir1.setpath(dir.str());
            file.Text1.setText(name);
            file.okbut.press();
        });
        f.Savebut.press();
    }};
}

void Runs::seegrid(const forms::Grid& grid) {
    for (int r = 1; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            see(grid.textat(r, c));
}

bool Runs::shows(const std::vector<std::string>& shown, const std::string& text) {
    return std::find(shown.begin(), shown.end(), text) != shown.end();
}

std::string Runs::file(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
