#include "tests/support/runs.h"

#include "problem/editfrm.h"
#include "problem/filefrm.h"
#include "problem/flowfrm.h"
#include "problem/lwratiofrm.h"
#include "problem/mainfrm.h"
#include "problem/relfrm.h"
#include "problem/sourcefrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"
#include "problem/windowtable.h"
#include "singlestory/automsearchfrm.h"
#include "singlestory/display1frm.h"
#include "singlestory/manualdeptfrm.h"
#include "singlestory/singlemenufrm.h"
#include "singlestory/tablesavedlayoutsfrm.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>

void Runs::SetUp() {
    ScriptedTest::SetUp();
    for (const char* name : {"PLANT", "WORKSHOP"})
        std::filesystem::copy_file(std::string(MARQUETA_SOURCE_DIR "/examples/") + name,
                                   dir / name);
    // The plant with one run of lines changed: a department named twice in
    // layout 1 (1 also on zone 5's right side) or in partition 1 (8 twice on
    // story 2; 8 on story 1 too, in place of 7), or the Shaft's unit load a
    // fraction.
    const std::string plant = file("PLANT");
    for (const auto& [name, from, to] : std::initializer_list<std::array<std::string, 3>>{
             {"DOUBLEZONE", "\n0,9,280\r", "\n1,9,280\r"},
             {"DOUBLEMEMBER", "\n7,2780\r\n8\r\n9\r", "\n7,2780\r\n8\r\n8\r"},
             {"TWOSTORIES", "\n6\r\n7\r\n7,2780\r", "\n6\r\n8\r\n7,2780\r"},
             {"SHAFT", "\"Shaft\",40,", "\"Shaft\",12.3,"}}) {
        std::string text = plant;
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << name;
        ASSERT_EQ(text.find(from, at + 1), std::string::npos) << name;
        std::ofstream(dir / name, std::ios::binary) << text.replace(at, from.size(), to);
    }
}

void Runs::queueopen(Program program, const std::string& entry) {
    if (entry.empty()) {
        driver.on<sourcefrm>("sourcefrm", [](sourcefrm& s) { s.Keybut.press(); });
        driver.on<mainfrm>("mainfrm", [](mainfrm& d) {
            const char* rows[][2] = {
                {"Alpha", "100"}, {"Beta", "200"}, {"Gamma", "300"}, {"Delta", "400"}};
            for (int r = 0; r < 4; ++r) {
                d.nmdpttxt[r].type(rows[r][0]);
                d.areatxt[r].type(rows[r][1]);
            }
            d.okbut.press();
        });
        confirmdefinition(false, {{1, 2, "A"}, {2, 3, "E"}, {1, 4, "X"}});
        if (program == Program::storeyone)
            driver.on<lwratiofrm>("lwratiofrm", [](lwratiofrm& r) { r.opt1but.press(); });
        return;
    }
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

void Runs::confirmdefinition(bool record, const std::vector<Rating>& ratings) {
    driver.on<relfrm>("relfrm", [ratings](relfrm& c) {
        for (const Rating& r : ratings)
            c.chart.pair(r.i, r.j).type(r.letter);
        c.okbut.press();
    });
    driver.on<svectfrm>("svectfrm", [](svectfrm& s) { s.okbut.press(); });
    driver.on<svect2frm>("svect2frm", [this, record](svect2frm& s) {
        for (int r = 0; r < 18 && record && s.dscortxt[r].visible(); ++r)
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
        queueopen(program, name);
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

Runs::Step Runs::edit(std::function<void(mainfrm&)> rows, bool record,
                      const std::vector<Rating>& ratings) {
    return [this, rows, record, ratings](mainmenufrm& f) {
        driver.on<editfrm>("editfrm", [](editfrm& e) { e.areabut.press(); });
        driver.on<mainfrm>("mainfrm", [rows](mainfrm& d) {
            rows(d);
            d.okbut.press();
        });
        confirmdefinition(record, ratings);
        f.Editbut.press();
    };
}

Runs::Step Runs::adds(int row, const std::string& name, const std::string& area,
                      const std::vector<Rating>& ratings) {
    return edit(
        [row, name, area](mainfrm& d) {
            d.nmdpttxt[row - 1].type(name);
            if (!area.empty()) d.areatxt[row - 1].type(area);
        },
        true, ratings);
}

std::vector<Runs::Journey> Runs::journeys(Program program) {
    const Step cleared =
        edit([](mainfrm& d) { d.nmdpttxt[12].type(""), d.nmdpttxt[13].type(""); }, false);
    const Step tool = adds(13, "Tool", "100", {{1, 13, "A"}, {10, 13, "E"}});
    std::vector<Journey> list = {
        {"rows 13 and 14 cleared", {{"PLANT"}, {cleared}}, {{"FIRST"}, {}}, "CUT"},
        {"a 13th typed after that", {{"PLANT"}, {cleared, tool}}, {{"CUT"}, {tool}}},
        {"a 13th typed after a read left by Back", {{"PLANT", "CUT<"}, {tool}}, {{"CUT"}, {tool}}},
        {"a 7th typed",
         {{"PLANT", "WORKSHOP"}, {adds(7, "Paint")}},
         {{"WORKSHOP"}, {adds(7, "Paint")}}},
        {"a problem left by Back", {{"PLANT", "WORKSHOP<"}, {}}, {{"WORKSHOP"}, {}}},
        {"a keyboard problem after the plant", {{"PLANT", ""}, {}}, {{"FIRST"}, {}}},
        {"two letters typed for a pair",
         {{"PLANT"}, {edit([](mainfrm&) {}, false, {{1, 2, "AA"}})}},
         {{"FIRST"}, {}}},
    };
    for (const char* doubled : {"DOUBLEZONE", "DOUBLEMEMBER", "TWOSTORIES"})
        list.push_back({doubled, {{doubled}, {}}, {{"FIRST"}, {}}});
    if (program == Program::storeyone)
        for (Journey& j : storeyonejourneys())
            list.push_back(std::move(j));
    return list;
}

std::vector<Runs::Journey> Runs::storeyonejourneys() {
    const Step usematerialhandling = [this](mainmenufrm& f) {
        driver.on<editfrm>("editfrm", [this](editfrm& e) {
            confirmdefinition(false);
            e.prodflowbut.press();
            e.backbut.press();
        });
        f.Editbut.press();
    };
    // The load chart, opened from the edit menu for `act`.
    const auto inchart = [this](std::function<void(flowfrm&)> act) -> Step {
        return [this, act](mainmenufrm& f) {
            driver.on<editfrm>("editfrm", [this, act](editfrm& e) {
                driver.on<flowfrm>("flowfrm", act);
                e.prodbut.press();
                e.backbut.press();
            });
            f.Editbut.press();
        };
    };
    const auto boxtext = [](flowfrm& l, int i, int j) {
        return "load chart (" + std::to_string(i) + "," + std::to_string(j) +
               "): " + l.chart.pair(i, j).text();
    };
    // The load chart, with `typed` typed into box (i, j) (nothing when it is
    // null) and what the box showed recorded when `record` says so; Cancel
    // when Continue refuses.
    const auto loadchart = [this, inchart, boxtext](int i, int j, const char* typed,
                                                    bool record = true) -> Step {
        return inchart([this, i, j, typed, record, boxtext](flowfrm& l) {
            if (record) see(boxtext(l, i, j));
            if (typed != nullptr) l.chart.pair(i, j).type(typed);
            l.okbut.press();
            if (l.isopen()) l.Cancel.press();
        });
    };
    // The boxes of the pairs among departments 1 to 10, left by Cancel.
    const auto amongten = [inchart, boxtext](std::function<void(std::vector<std::string>)> use) {
        return inchart([use, boxtext](flowfrm& l) {
            std::vector<std::string> boxes;
            for (int i = 1; i <= 10; ++i)
                for (int j = i + 1; j <= 10; ++j)
                    boxes.push_back(boxtext(l, i, j));
            use(boxes);
            l.Cancel.press();
        });
    };
    const Step untouched = loadchart(1, 2, nullptr, false);
    std::vector<Journey> list = {
        {"a switch saved",
         {{"PLANT"}, {usematerialhandling, loadchart(1, 2, "10")}},
         {{"FIRST"}, {usematerialhandling, loadchart(1, 2, "10")}},
         {},
         {"The flow between departments 1 and 2 can be no less than 80, what the "
          "products' routings and the additions give it."}},
        {"a load with decimals confirmed again untouched",
         {{"PLANT"},
          {usematerialhandling, loadchart(1, 2, "170.4", false), untouched, usematerialhandling}},
         {{"FIRST"}, {usematerialhandling}},
         "DECIMALS"},
        {"an untouched chart with a fractional routing share",
         {{"SHAFT"}, {usematerialhandling}},
         {{"FIRST"}, {usematerialhandling, untouched}}},
    };
    const Step searchtwo = [this](mainmenufrm& f) {
        driver.on<singlemenufrm>("singlemenufrm", [this](singlemenufrm& s) {
            driver.on<automsearchfrm>("automsearchfrm", [this](automsearchfrm& a) {
                driver.on<manualdeptfrm>("manualdeptfrm",
                                         [](manualdeptfrm& d) { d.okbut.press(); });
                driver.on<tablesavedlayoutsfrm>("tablesavedlayoutsfrm",
                                                [](tablesavedlayoutsfrm& t) { t.backbut.press(); });
                a.ngentxt.type("2");
                a.okbut.press();
            });
            s.autobut.press();
            s.backbut.press();
        });
        f.singlebut.press();
    };
    const Step extra = adds(7, "Extra", "100", {{1, 7, "A"}, {3, 7, "E"}});
    const Step showrandom = [this](mainmenufrm& f) {
        driver.on<singlemenufrm>("singlemenufrm", [this](singlemenufrm& s) {
            driver.on<display1frm>("display1frm", [](display1frm& d) { d.okbut.press(); });
            s.randombut.press();
            s.backbut.press();
        });
        f.singlebut.press();
    };
    const Step openworkshop = [this](mainmenufrm& f) {
        queueopen(Program::storeyone, "WORKSHOP");
        f.newprobbut.press();
    };
    list.push_back({"a 7th after a search, after a layout of the plant",
                    {{"PLANT"}, {showrandom, openworkshop, searchtwo, extra}},
                    {{"FIRST"}, {adds(7, "Extra")}}});
    list.push_back({"a 7th after a search",
                    {{"WORKSHOP"}, {searchtwo, extra}},
                    {{"FIRST"}, {adds(7, "Extra")}}});
    list.push_back({"a chart without products confirmed untouched",
                    {{"WORKSHOP"}, {}},
                    {{"FIRST"}, {untouched}}});
    // Departments 11 to 14 cleared while the material-handling chart is in
    // use, Tool typed as a new 11th, then 100 typed for (8,10) before the
    // next switch: after it, and in the fresh run, (8,10) is 100 and every
    // other flow among departments 1 to 10 the one noted before the cut.
    // Gear's routing 8, 11, 10 joins 8 and 10 in neither, and Tool, whose
    // load with 10 shows empty and is cleared, takes no flow of it.
    const auto plant = std::make_shared<std::vector<std::string>>();
    const Step cutten = edit(
        [](mainfrm& d) {
            for (int r = 10; r <= 13; ++r)
                d.nmdpttxt[r].type("");
        },
        false);
    const Step tool =
        edit([](mainfrm& d) { d.nmdpttxt[10].type("Tool"), d.areatxt[10].type("100"); }, false,
             {{10, 11, "I"}});
    const Step seeten = amongten([this, plant](const std::vector<std::string>& boxes) {
        ASSERT_EQ(boxes.size(), plant->size());
        for (std::size_t k = 0; k < boxes.size(); ++k) {
            see(boxes[k]);
            const bool typed = boxes[k].starts_with("load chart (8,10)");
            EXPECT_EQ(boxes[k], typed ? "load chart (8,10): 100" : (*plant)[k]);
        }
    });
    list.push_back(
        {"a cut while loads are held",
         {{"PLANT"},
          {usematerialhandling, amongten([plant](auto boxes) { *plant = boxes; }), cutten, tool,
           loadchart(8, 10, "100", false), usematerialhandling, seeten, loadchart(10, 11, "")}},
         {{"FIRST"}, {usematerialhandling, seeten, loadchart(10, 11, "")}}});
    return list;
}

std::vector<std::vector<std::string>> Runs::compare(Program program, const Step& views) {
    std::vector<std::vector<std::string>> shown;
    for (const Journey& j : journeys(program)) {
        SCOPED_TRACE(j.name);
        const auto take = [&](const Run& r, const std::string& saveas) {
            seen.clear();
            const std::size_t said = driver.messages().size();
            run(program, r, views, saveas);
            EXPECT_EQ(std::vector(driver.messages().begin() + long(said), driver.messages().end()),
                      j.messages);
            checkfile(saveas);
        };
        take(j.first, "FIRST");
        if (!j.keep.empty()) std::filesystem::copy_file(dir / "FIRST", dir / j.keep);
        shown.push_back(seen);
        take(j.fresh, "AGAIN");
        EXPECT_EQ(seen, shown.back());
        EXPECT_EQ(file("AGAIN"), file("FIRST"));
    }
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

void Runs::checkfile(const std::string& name) const {
    SCOPED_TRACE(name);
    std::vector<std::string> lines;
    std::istringstream in(file(name));
    for (std::string line; std::getline(in, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    // Item k of line `at` as a number, an empty item being 0.
    std::size_t at = 0;
    const auto item = [&](std::size_t line, int k) {
        std::istringstream items(line < lines.size() ? lines[line] : "");
        std::string text;
        for (int i = 0; i <= k; ++i)
            if (!std::getline(items, text, ',')) text.clear();
        return text.empty() ? 0 : std::stod(text);
    };
    const auto next = [&](int k = 0) { return item(at++, k); };
    const int n = int(next());
    at += std::size_t(n + 6);
    for (int pair = 0; pair < n * (n - 1) / 2; ++pair)
        EXPECT_GE(next(2), 0) << "load of line " << at;
    ++at;
    if (const int products = int(next()); products > 0) {
        at += std::size_t(products);
        for (int k = 1, steps = int(next()); k <= steps; ++k) {
            const double d = next(); // 0 names no department
            EXPECT_TRUE(d >= 0 && d <= n) << "routing step " << k << ": " << d;
        }
    }
    const int layouts = int(next());
    at += std::size_t(layouts);
    std::map<std::pair<int, int>, int> place; // (department, layout): position
    for (int k = 1; k <= 9; ++k) {
        for (int q = 1; q <= layouts; ++q, ++at) {
            for (const int side : {1, 2}) {
                const int d = int(item(at, 2 - side));
                EXPECT_LE(d, n) << "zone " << k << " of layout " << q;
                EXPECT_TRUE(d == 0 || !place.contains({d, q}))
                    << "department " << d << " twice in layout " << q;
                place[{d, q}] = 100 * k + side;
            }
        }
    }
    for (int d = 1; d <= n; ++d)
        for (int q = 1; q <= layouts; ++q)
            EXPECT_EQ(next(), (place[{d, q}])) << "department " << d << " of layout " << q;
    for (int p = 1, parts = int(next()); p <= parts; ++p) {
        const int stories = int(next());
        at += 2;
        std::map<int, int> story;
        for (int s = 1; s <= stories; ++s) {
            for (int k = 1, members = int(next()); k <= members; ++k) {
                const int d = int(next());
                EXPECT_LE(d, n) << "story " << s << " of partition " << p;
                EXPECT_FALSE(story.contains(d))
                    << "department " << d << " twice in partition " << p;
                story[d] = s;
            }
        }
        for (int d = 1; d <= n; ++d)
            EXPECT_EQ(next(), story[d]) << "department " << d << " of partition " << p;
    }
    EXPECT_EQ(at, lines.size());
}
