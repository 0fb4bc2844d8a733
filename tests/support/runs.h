#pragma once
// Journeys that compare a first run of a program with a fresh run that opens
// the file it saved. Each run starts from a new program state at the main
// menu and takes the windows a user does; both must show and save the same.

#include "forms/grid.h"
#include "problem/mainmenufrm.h"
#include "tests/support/scripted.h"
#include "tests/support/tempdir.h"

#include <functional>
#include <string>
#include <vector>

class mainfrm;

class Runs : public ScriptedTest {
protected:
    using Step = std::function<void(mainmenufrm&)>;
    // Files opened by New Problem in turn ("<" after a name: left by Back in
    // the department window; "" four departments typed at the keyboard, with
    // unrated and X pairs), then what the run does at the main menu.
    struct Run {
        std::vector<std::string> opens;
        std::vector<Step> changes;
    };
    // The first run's file is kept under `keep` for later journeys too.
    struct Journey {
        std::string name;
        Run first, fresh;
        std::string keep = {};
        std::vector<std::string> messages = {}; // what each of the two runs says
    };
    // A letter typed into the chart for pair (i, j).
    struct Rating {
        int i, j;
        std::string letter;
    };

    void SetUp() override;
    // The journeys both programs take: departments 13 and 14 of the plant
    // cleared; a 13th department typed after that, or after the problem so
    // cleared was read after the plant and left by Back; a 7th department
    // added to the workshop read after the plant; the workshop read after the
    // plant and left by Back; a keyboard problem typed after the plant; two
    // letters typed for a pair of the plant; the plant with a department named
    // twice in a layout or a partition; in storeyone also those below.
    std::vector<Journey> journeys(Program program);
    // The material-handling chart saved, read and switched again, with a flow
    // typed below the routings' share refused; a load typed with decimals,
    // then the chart confirmed untouched; a chart confirmed untouched while a
    // routing's share is a fraction, against none opened; a 7th department
    // added to the workshop after a search of two layouts, once after a
    // layout of the plant was shown and once alone; the workshop's chart
    // confirmed untouched, against none opened; the plant's last four
    // departments cleared while its loads are held, then an 11th typed, whose
    // load takes no flow of the routings, and 100 typed for (8, 10).
    std::vector<Journey> storeyonejourneys();
    // Takes each journey's first run with `views` and a Save, then its fresh
    // run, which opens that file, with the same; gives what each first run showed.
    std::vector<std::vector<std::string>> compare(Program program, const Step& views);

    void see(const std::string& text) { seen.push_back(text); }
    // Records every cell of a table below its headings.
    void seegrid(const forms::Grid& grid);
    std::string file(const std::string& name) const;
    // Checks a saved file: positions agree with zones, story entries with
    // story lists, no layout or partition names a department twice or above
    // the count, routings name only departments of the problem, and no load
    // is negative.
    void checkfile(const std::string& name) const;
    static bool shows(const std::vector<std::string>& shown, const std::string& text);

    TempDir dir;
    std::vector<std::string> seen;

private:
    void run(Program program, const Run& r, const Step& views, const std::string& saveas);
    void queueopen(Program program, const std::string& name);
    // Continue in the chart, with `ratings` typed, and the score windows; the
    // department scores are recorded when `record` says so.
    void confirmdefinition(bool record, const std::vector<Rating>& ratings = {});
    // Edit, the departments as `rows` types them, then the definition windows.
    Step edit(std::function<void(mainfrm&)> rows, bool record,
              const std::vector<Rating>& ratings = {});
    // Edit, a department named (and its area typed) in the row, the chart
    // with `ratings`; the department scores are recorded.
    Step adds(int row, const std::string& name, const std::string& area = {},
              const std::vector<Rating>& ratings = {});
};
