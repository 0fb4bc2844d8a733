#include "tests/support/runs.h"

#include "problem/editfrm.h"
#include "problem/filefrm.h"
#include "problem/mainfrm.h"
#include "problem/relfrm.h"
#include "problem/sourcefrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"
#include "problem/windowtable.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

void Runs::SetUp() {
    ScriptedTest::SetUp();
    for (const char* name : {"PLANT", "WORKSHOP"})
        std::filesystem::copy_file(std::string(MARQUETA_SOURCE_DIR "/examples/") + name,
                                   dir / name);
}

void Runs::queueopen(const std::string& entry) {
    const bool back = entry.ends_with('<');
    const std::string name = back ? entry.substr(0, entry.size() - 1) : entry;
    driver.on<sourcefrm>("sourcefrm", [](sourcefrm& s) { s.diskbut.press(); });
    driver.on<filefrm>("filefrm", [this, name](filefrm& f) {
        f.Dir1.setpath(dir.str());
        f.File1.clickfile(name);
        f.okbut.press();
    });
    driver.on<mainfrm>("mainfrm", [back](mainfrm& d) { (back ? d.backbut : d.okbut).press(); });
    if (!back) confirmdefinition(false);
}

void Runs::confirmdefinition(bool record) {
    driver.on<relfrm>("relfrm", [](relfrm& c) { c.okbut.press(); });
    driver.on<svectfrm>("svectfrm", [](svectfrm& s) { s.okbut.press(); });
    driver.on<svect2frm>("svect2frm", [this, record](svect2frm& s) {
        for (int r = 0; record && r < 18 && s.dscortxt[r].visible(); ++r)
            see("score " + std::to_string(r + 1) + ": " + s.dscortxt[r].text());
        s.okbut.press();
    });
}

void Runs::run(Program program, const Run& r, const Step& views, const std::string& saveas) {
    m = Module1();
    installwindows(m);
    m.program = program;
    m.timer = [] { return 1000.0; }; // the same random layout in every run
    for (const std::string& name : r.opens)
        queueopen(name);
    const Step work = [this, r, views, saveas](mainmenufrm& f) {
        for (const Step& change : r.changes)
            change(f);
        views(f);
        driver.on<filefrm>("filefrm", [this, saveas](filefrm& file) {
            file.Dir1.setpath(dir.str());
            file.Text1.setText(saveas);
            file.okbut.press();
        });
        f.Savebut.press();
        f.quitbut.press();
    };
    // storeymany's menu closes at New Problem and opens again.
    if (program == Program::storeymany) {
        for (std::size_t k = 0; k < r.opens.size(); ++k)
            driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) { f.newprobbut.press(); });
        driver.on<mainmenufrm>("mainmenufrm", work);
    } else {
        driver.on<mainmenufrm>("mainmenufrm", [r, work](mainmenufrm& f) {
            for (std::size_t k = 0; k < r.opens.size(); ++k)
                f.newprobbut.press();
            work(f);
        });
    }
    mainmenufrm menu;
    menu.show_modal();
}

Runs::Step Runs::edit(std::function<void(mainfrm&)> rows, bool record) {
    return [this, rows, record](mainmenufrm& f) {
        driver.on<editfrm>("editfrm", [](editfrm& e) { e.areabut.press(); });
        driver.on<mainfrm>("mainfrm", [rows](mainfrm& d) {
            rows(d);
            d.okbut.press();
        });
        confirmdefinition(record);
        f.Editbut.press();
    };
}

std::vector<Runs::Journey> Runs::journeys(Program program) {
    const Step cleared =
        edit([](mainfrm& d) { d.nmdpttxt[12].type(""), d.nmdpttxt[13].type(""); }, false);
    const auto adds = [this](int row, std::string name) {
        return edit([row, name](mainfrm& d) { d.nmdpttxt[row - 1].type(name); }, true);
    };
    std::vector<Journey> list = {
        {"rows 13 and 14 cleared", {{"PLANT"}, {cleared}}, {{"FIRST"}, {}}, "CUT"},
        {"a 13th typed after that",
         {{"PLANT"}, {cleared, adds(13, "Tool")}},
         {{"CUT"}, {adds(13, "Tool")}}},
        {"a 13th typed after a read left by Back",
         {{"PLANT", "CUT<"}, {adds(13, "Tool")}},
         {{"CUT"}, {adds(13, "Tool")}}},
        {"a 7th typed",
         {{"PLANT", "WORKSHOP"}, {adds(7, "Paint")}},
         {{"WORKSHOP"}, {adds(7, "Paint")}}},
        {"a problem left by Back", {{"PLANT", "WORKSHOP<"}, {}}, {{"WORKSHOP"}, {}}},
    };
    const Step usematerialhandling = [this](mainmenufrm& f) {
        driver.on<editfrm>("editfrm", [this](editfrm& e) {
            confirmdefinition(false);
            e.prodflowbut.press();
            e.backbut.press();
        });
        f.Editbut.press();
    };
    if (program == Program::storeyone)
        list.push_back({"a switch saved",
                        {{"PLANT"}, {usematerialhandling}},
                        {{"FIRST"}, {usematerialhandling}}});
    return list;
}

std::vector<std::vector<std::string>> Runs::compare(Program program, const Step& views) {
    std::vector<std::vector<std::string>> shown;
    for (const Journey& j : journeys(program)) {
        SCOPED_TRACE(j.name);
        seen.clear();
        run(program, j.first, views, "FIRST");
        if (!j.keep.empty()) std::filesystem::copy_file(dir / "FIRST", dir / j.keep);
        shown.push_back(seen);
        seen.clear();
        run(program, j.fresh, views, "AGAIN");
        EXPECT_EQ(seen, shown.back());
        EXPECT_EQ(file("AGAIN"), file("FIRST"));
    }
    EXPECT_TRUE(driver.messages().empty());
    return shown;
}

void Runs::seegrid(const forms::Grid& grid) {
    for (int r = 1; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c)
            see(grid.textat(r, c));
}

std::string Runs::file(const std::string& name) const {
    std::ifstream in(dir / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Runs::shows(const std::vector<std::string>& shown, const std::string& text) {
    return std::find(shown.begin(), shown.end(), text) != shown.end();
}
