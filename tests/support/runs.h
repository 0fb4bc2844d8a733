#pragma once
// Runs of a program driven through its windows from the credits on, for tests
// that compare a first run with a fresh run that opens the file it saved: each
// run starts from a new program state and takes the same windows a user does.

#include "forms/grid.h"
#include "problem/mainfrm.h"
#include "problem/mainmenufrm.h"
#include "problem/relfrm.h"
#include "tests/support/scripted.h"
#include "tests/support/tempdir.h"

#include <functional>
#include <string>
#include <vector>

class Runs : public ScriptedTest {
protected:
    // What a user does at the main menu. The scripts of the windows a step
    // opens are queued when it acts. New Problem reopens storeymany's menu.
    struct Step {
        std::function<void(mainmenufrm&)> act;
        bool newproblem = false;
    };
    using Steps = std::vector<Step>;

    // A journey: the first run's steps, and the fresh run's, which open the
    // file the first run saved as "FIRST" (or what the first run opened).
    // Both runs end with a Save and must show and save the same.
    struct Journey {
        std::string name;
        Steps first, fresh;
    };

    void SetUp() override;

    // A new run of the program from the credits: the steps, then Quit.
    void run(Program program, const Steps& steps);
    // Runs the journey twice, the first run then the fresh one, and compares
    // what they showed and saved; gives what the first run showed.
    std::vector<std::string> compare(Program program, const Journey& journey);

    // New Problem from disk, the named file of the folder, then Continue
    // through the definition windows, or Back in the department window.
    Step open(const std::string& name, bool back = false);
    // Edit, then the departments: `rows` types, Continue, the chart window
    // (`chart` may type and record in it) and the score windows, whose
    // department scores are recorded when `scores` says so.
    Step edit(std::function<void(mainfrm&)> rows, std::function<void(relfrm&)> chart = {},
              bool scores = false);
    // Departments cleared from the end, from row `from` (1 = the first) on.
    Step clearfrom(int from);
    // A department typed into row r (1 = the first), its pairs left unrated;
    // the chart shows its boxes, which are recorded.
    Step add(int r, const std::string& name, const std::string& area);
    Step save(const std::string& name);
    // The program's branch menu, the window `name` the main menu's branch
    // button opens, where `act` opens its windows, then its Back.
    template <typename Menu> Step branch(const std::string& name, std::function<void(Menu&)> act) {
        return {[this, name, act](mainmenufrm& f) {
            driver.on<Menu>(name, [act](Menu& menu) {
                act(menu);
                menu.backbut.press();
            });
            f.singlebut.press();
        }};
    }

    // Records a text of what a window shows.
    void see(const std::string& text) { seen.push_back(text); }
    // Records every cell of a table below its headings.
    void seegrid(const forms::Grid& grid);
    std::string file(const std::string& name) const;
    static bool shows(const std::vector<std::string>& shown, const std::string& text);

    TempDir dir;
    std::vector<std::string> seen;
};
