// The start-up road, the main menu's gate, the input source and the file window.
#include "forms/filelists.h"
#include "problem/creditsfrm.h"
#include "problem/editfrm.h"
#include "problem/filefrm.h"
#include "problem/introfrm.h"
#include "problem/mainfrm.h"
#include "problem/mainmenufrm.h"
#include "problem/relfrm.h"
#include "problem/sourcefrm.h"
#include "problem/svect2frm.h"
#include "problem/svectfrm.h"
#include "problem/windowtable.h"
#include "tests/support/scripted.h"
#include "tests/support/tempdir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string readfile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

class Startup : public ScriptedTest {
protected:
    // Credits and introduction lead to the main menu, whose script runs next.
    void throughcredits(std::function<void(mainmenufrm&)> menu) {
        driver.on<creditsfrm>("creditsfrm", [](creditsfrm& f) { f.okbut.press(); });
        driver.on<introfrm>("introfrm", [](introfrm& f) { f.okbut.press(); });
        driver.on<mainmenufrm>("mainmenufrm", std::move(menu));
        creditsfrm credits;
        credits.show_modal();
    }
    // The captions of the menu's visible buttons from top to bottom.
    static std::vector<std::string> buttonorder(mainmenufrm& f) {
        std::vector<forms::CommandButton*> b = {&f.newprobbut, &f.Editbut, &f.singlebut, &f.Savebut,
                                                &f.quitbut};
        std::sort(b.begin(), b.end(), [](auto* x, auto* y) { return x->y() < y->y(); });
        std::vector<std::string> captions;
        for (auto* x : b)
            captions.push_back(x->caption());
        return captions;
    }
};

TEST_F(Startup, StoreyoneReachesTheMenuAndGatesEditBranchAndSave) {
    m.program = Program::storeyone;
    std::string credits;
    driver.on<creditsfrm>("creditsfrm", [&](creditsfrm& f) {
        EXPECT_EQ(f.caption(), "MARQUETA");
        credits = f.creditlbl.caption();
        f.okbut.press();
    });
    driver.on<introfrm>("introfrm", [](introfrm& f) {
        EXPECT_EQ(f.caption(), "Introduction");
        EXPECT_EQ(
            f.desclbl.caption().rfind("The facility layout problem has long been studied by "
                                      "Industrial Engineers. The basic problem is as follows: ",
                                      0),
            0u);
        f.okbut.press();
    });
    driver.on<mainmenufrm>("mainmenufrm", [&](mainmenufrm& f) {
        EXPECT_EQ(f.caption(), "Main Menu");
        EXPECT_EQ(f.Label1.caption(), "MAIN MENU");
        EXPECT_EQ(f.Label2.caption(), "MARQUETA (Single Story) For Windows");
        EXPECT_EQ(f.useprodflowlbl.caption(), "Using standard relationship chart");
        EXPECT_EQ(buttonorder(f), (std::vector<std::string>{"New Problem", "Single Story Menu",
                                                            "Edit Current Problem",
                                                            "Save Current Problem ", "Quit"}));
        EXPECT_FALSE(f.Command1.visible());
        EXPECT_EQ(f.Command1.geometry(), f.Savebut.geometry());
        f.Editbut.press();
        f.singlebut.press();
        f.Savebut.press();
        f.quitbut.press();
    });
    creditsfrm start;
    start.show_modal();
    EXPECT_EQ(credits.rfind("MARQUETA (Single Story) for Windows  1.6\r\r16 APR 07\r\r", 0), 0u);
    EXPECT_EQ(driver.messages(), std::vector<std::string>(3, "Problem must be entered first!"));
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"creditsfrm", "introfrm", "mainmenufrm"}));
    // The credits window's Ok put a new problem in place.
    EXPECT_EQ(m.relcode[1].str(), "A");
    EXPECT_EQ(m.relweight[6].num(), -10);
    EXPECT_EQ(m.newchart, 1);
    EXPECT_TRUE(m.problementered.isempty());
}

TEST_F(Startup, StoreymanyHasItsOwnCaptionsAndOrder) {
    m.program = Program::storeymany;
    std::string credits;
    driver.on<creditsfrm>("creditsfrm", [&](creditsfrm& f) {
        credits = f.creditlbl.caption();
        f.okbut.press();
    });
    driver.on<introfrm>("introfrm", [](introfrm& f) { f.okbut.press(); });
    driver.on<mainmenufrm>("mainmenufrm", [&](mainmenufrm& f) {
        EXPECT_EQ(f.Label2.caption(), "MARQUETA (Multi-Story) For Windows");
        EXPECT_EQ(buttonorder(f),
                  (std::vector<std::string>{"1. New Problem", "2. Edit Current Problem",
                                            "3. Multi-Story Menu", "4. Save Problem ", "Quit"}));
        f.singlebut.press();
        f.quitbut.press();
    });
    creditsfrm start;
    start.show_modal();
    EXPECT_EQ(credits.rfind("MARQUETA (Multi-Story) for Windows  1.6\r\r17 MAY 2007\r\r", 0), 0u);
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"Problem must be entered first!"});
}

TEST_F(Startup, StoreymanyNewProblemReopensTheMenu) {
    m.program = Program::storeymany;
    m.problementered = 1;
    m.problemfile = "/plans/OLD";
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) { f.newprobbut.press(); });
    driver.on<sourcefrm>("sourcefrm", [](sourcefrm& f) {
        EXPECT_EQ(f.Label1.caption(), "How would you like to enter data?");
        EXPECT_EQ(module1().datasource, " ");
        f.backbut.press();
    });
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) {
        EXPECT_EQ(f.Label3.caption(), "/plans/OLD");
        f.quitbut.press();
    });
    mainmenufrm menu;
    menu.show_modal();
    EXPECT_EQ(driver.opened(),
              (std::vector<std::string>{"mainmenufrm", "sourcefrm", "mainmenufrm"}));
    EXPECT_EQ(m.ndept, 0);
    EXPECT_EQ(m.problementered.num(), 1);
}

TEST_F(Startup, MenuLoadComputesTheBuildingOnlyWithARatio) {
    m.totalarea = 600;
    m.layoutwidth = 7;
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) { f.quitbut.press(); });
    {
        mainmenufrm menu;
        menu.show_modal();
    }
    EXPECT_EQ(m.layoutwidth.num(), 7); // an empty ratio leaves the building alone
    m.lwratio = 1.5;
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) { f.quitbut.press(); });
    mainmenufrm menu;
    menu.show_modal();
    EXPECT_DOUBLE_EQ(m.layoutwidth.num(), 20);
    EXPECT_DOUBLE_EQ(m.layoutlength.num(), 30);
}

class FileWindow : public ScriptedTest {
protected:
    TempDir dir;
};

TEST_F(FileWindow, SaveWritesUnderTheChosenNameAndCancelWritesNothing) {
    m.program = Program::storeyone;
    m.initproblem();
    m.problementered = 1;
    const std::string folder = dir.path().string();
    driver.on<mainmenufrm>("mainmenufrm", [&](mainmenufrm& f) {
        f.Savebut.press();
        f.Savebut.press();
        f.quitbut.press();
    });
    driver.on<filefrm>("filefrm", [&](filefrm& f) {
        EXPECT_EQ(f.caption(), "File ");
        f.Dir1.setpath(folder);
        f.Text1.type("SHOP");
        f.okbut.press();
    });
    driver.on<filefrm>("filefrm", [&](filefrm& f) {
        // storeyone remembers the name and folder of the last save.
        EXPECT_EQ(f.Text1.text(), "SHOP");
        EXPECT_EQ(f.Dir1.path(), folder);
        f.cancelbut.press();
    });
    mainmenufrm menu;
    menu.show_modal();
    EXPECT_EQ(m.problemfile, folder + "/SHOP");
    EXPECT_TRUE(std::filesystem::exists(dir.path() / "SHOP"));
    EXPECT_EQ(readfile(dir.path() / "SHOP").substr(0, 5), "0,1\r\n");
    EXPECT_TRUE(driver.messages().empty());
}

TEST_F(FileWindow, CancelKeepsTheNameEvenAfterAClickOnAFile) {
    std::ofstream(dir.path() / "PLANT") << "x";
    m.problemfile = "/before";
    m.filemode = 1;
    driver.on<filefrm>("filefrm", [&](filefrm& f) {
        f.Dir1.setpath(dir.path().string());
        f.File1.clickfile("PLANT");
        EXPECT_EQ(f.Text1.text(), "PLANT");
        f.cancelbut.press();
    });
    filefrm file;
    file.show_modal();
    EXPECT_FALSE(file.chosen());
    EXPECT_EQ(m.problemfile, "/before");
}

TEST_F(FileWindow, EmptyNameIsRefused) {
    driver.on<filefrm>("filefrm", [](filefrm& f) {
        f.Text1.setText("");
        f.okbut.press();
        EXPECT_TRUE(f.isopen());
        f.cancelbut.press();
    });
    filefrm file;
    file.show_modal();
    EXPECT_EQ(driver.messages(), std::vector<std::string>{"Invalid File Name"});
}

TEST_F(FileWindow, DoubleClickChoosesAndStoreymanyForgetsTheName) {
    m.program = Program::storeymany;
    m.savename = "OLD";
    m.filemode = 1;
    std::ofstream(dir.path() / "PLANT") << "x";
    driver.on<filefrm>("filefrm", [&](filefrm& f) {
        EXPECT_EQ(f.Text1.text(), "");
        f.Dir1.setpath(dir.path().string());
        f.File1.dblclickfile("PLANT");
    });
    filefrm file;
    file.show_modal();
    EXPECT_TRUE(file.chosen());
    EXPECT_EQ(m.problemfile, dir.path().string() + "/PLANT");
}

TEST_F(FileWindow, RootFolderGetsNoDoubledSeparatorAndAFailedReadOpensNothing) {
    m.initproblem();
    m.ndept = 2;
    m.problemfile = "/plans/OLD";
    driver.on<sourcefrm>("sourcefrm", [](sourcefrm& f) { f.diskbut.press(); });
    driver.on<filefrm>("filefrm", [](filefrm& f) {
        f.Dir1.setpath("/");
        f.Text1.type("NO-SUCH-MARQUETA-FILE");
        f.okbut.press();
    });
    sourcefrm source;
    source.show_modal();
    EXPECT_FALSE(source.newproblem());
    ASSERT_EQ(driver.messages().size(), 1u);
    EXPECT_NE(driver.messages()[0].find(" /NO-SUCH-MARQUETA-FILE"), std::string::npos);
    EXPECT_EQ(m.datasource, "d");
    EXPECT_EQ(m.ndept, 2); // the problem is untouched
    EXPECT_EQ(driver.opened(), (std::vector<std::string>{"sourcefrm", "filefrm"}));
}

TEST_F(FileWindow, CancelOnTheLoadRoadLeavesNoFileName) {
    driver.on<sourcefrm>("sourcefrm", [](sourcefrm& f) { f.diskbut.press(); });
    driver.on<filefrm>("filefrm", [](filefrm& f) { f.cancelbut.press(); });
    sourcefrm source;
    source.show_modal();
    EXPECT_EQ(m.problemfile, "");
    EXPECT_EQ(m.newchart, 0);
    EXPECT_EQ(m.filemode, 2);
}

} // namespace

namespace {

// The file road in one program, then the same problem saved and opened in the other.
class FileRoad : public ScriptedTest {
protected:
    TempDir dir;

    // New Problem from disk: the file picked in the file window.
    void pickthroughwindows(const std::string& folder, const std::string& name) {
        driver.on<sourcefrm>("sourcefrm", [](sourcefrm& f) { f.diskbut.press(); });
        driver.on<filefrm>("filefrm", [folder, name](filefrm& f) {
            f.Dir1.setpath(folder);
            f.File1.clickfile(name);
            f.okbut.press();
        });
    }
    // New Problem from disk: pick the file, then Continue through every window.
    void loadthroughwindows(const std::string& folder, const std::string& name) {
        pickthroughwindows(folder, name);
        driver.on<mainfrm>("mainfrm", [folder, name](mainfrm& f) {
            EXPECT_EQ(f.datafilelbl.caption(), folder + "/" + name);
            EXPECT_EQ(f.nmdpttxt[2].text(), "Machining");
            EXPECT_EQ(f.areatxt[2].text(), "300");
            f.okbut.press();
        });
        driver.on<relfrm>("relfrm", [](relfrm& f) {
            // A loaded problem's chart opens filled.
            EXPECT_FALSE(f.chart.pair(1, 2).text().empty());
            f.okbut.press();
        });
        driver.on<svectfrm>("svectfrm", [](svectfrm& f) { f.okbut.press(); });
        driver.on<svect2frm>("svect2frm", [](svect2frm& f) { f.okbut.press(); });
    }
    void savethroughwindows(const std::string& folder, const std::string& name) {
        driver.on<filefrm>("filefrm", [folder, name](filefrm& f) {
            f.Dir1.setpath(folder);
            f.Text1.type(name);
            f.okbut.press();
        });
    }
};

TEST_F(FileRoad, AProblemLoadedAndSavedInStoreyoneOpensInStoreymany) {
    const std::string folder = dir.path().string();
    std::filesystem::copy_file(MARQUETA_SOURCE_DIR "/examples/WORKSHOP", dir.path() / "WORKSHOP");

    m.program = Program::storeyone;
    m.initproblem();
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) {
        f.newprobbut.press(); // storeyone's menu stays open through the new problem
        f.Savebut.press();
        f.quitbut.press();
    });
    loadthroughwindows(folder, "WORKSHOP");
    savethroughwindows(folder, "COPY");
    {
        mainmenufrm menu;
        menu.show_modal();
    }
    EXPECT_EQ(readfile(dir.path() / "COPY"), readfile(dir.path() / "WORKSHOP"));
    const auto chart = m.relchart;

    m = Module1();
    installwindows(m);
    m.program = Program::storeymany;
    m.initproblem();
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) { f.newprobbut.press(); });
    loadthroughwindows(folder, "COPY");
    // storeymany's menu closes and opens again after the new problem.
    driver.on<mainmenufrm>("mainmenufrm", [](mainmenufrm& f) { f.quitbut.press(); });
    {
        mainmenufrm menu;
        menu.show_modal();
    }
    EXPECT_EQ(m.ndept, 6);
    EXPECT_EQ(m.deptname[6], "Shipping");
    EXPECT_EQ(m.relchart, chart);
    EXPECT_EQ(m.problementered.num(), 1);
    EXPECT_TRUE(driver.messages().empty());
}

// New Problem left without a new problem brings the problem before it back
// whole, with every name of its file; a failed save leaves the names too.
class AbandonedNewProblem : public FileRoad {
protected:
    void SetUp() override {
        FileRoad::SetUp();
        std::filesystem::copy_file(MARQUETA_SOURCE_DIR "/examples/WORKSHOP",
                                   dir.path() / "WORKSHOP");
        // Cut short within the departments.
        dir.write("BROKEN", readfile(dir.path() / "WORKSHOP").substr(0, 40));
        std::filesystem::create_directory(dir.path() / "FOLDER"); // in the way of a save
    }
    void start(Program program) {
        m = Module1();
        installwindows(m);
        m.program = program;
        m.initproblem();
    }
    bool one() const { return m.program == Program::storeyone; }

    // Ways of leaving New Problem without a new problem; `typed` finishes a
    // keyboard problem instead.
    enum class Leave { sourceback, filecancel, unreadable, keyboardback, keyboardclosebox, typed };

    void newproblem(Leave how) {
        if (how == Leave::unreadable) return pickthroughwindows(dir.str(), "BROKEN");
        const bool keyboard = how >= Leave::keyboardback;
        driver.on<sourcefrm>("sourcefrm", [how, keyboard](sourcefrm& f) {
            (how == Leave::sourceback ? f.backbut : keyboard ? f.Keybut : f.diskbut).press();
        });
        if (how == Leave::filecancel)
            driver.on<filefrm>("filefrm", [](filefrm& f) { f.cancelbut.press(); });
        if (!keyboard) return;
        driver.on<mainfrm>("mainfrm", [how](mainfrm& f) {
            EXPECT_EQ(f.datafilelbl.caption(), "New problem");
            f.nmdpttxt[0].type("Press");
            f.areatxt[0].type("40");
            if (how == Leave::keyboardclosebox) return static_cast<QWidget&>(f).close(), void();
            (how == Leave::typed ? f.okbut : f.backbut).press();
        });
        if (how != Leave::typed) return;
        driver.on<relfrm>("relfrm", [](relfrm& f) { f.okbut.press(); });
        driver.on<svectfrm>("svectfrm", [](svectfrm& f) { f.okbut.press(); });
        driver.on<svect2frm>("svect2frm", [](svect2frm& f) { f.okbut.press(); });
        if (one()) driver.on<forms::Form>("lwratiofrm", [](forms::Form& f) { f.close(); });
    }

    // The main menu's New Problem queued by `queue`, then `after` on the menu
    // that follows it, and Quit.
    void menuroad(std::function<void()> queue, std::function<void(mainmenufrm&)> after) {
        const bool storeyone = one();
        driver.on<mainmenufrm>("mainmenufrm", [storeyone, after](mainmenufrm& f) {
            f.newprobbut.press();
            if (storeyone) after(f);
            f.quitbut.press();
        });
        queue();
        if (!storeyone)
            driver.on<mainmenufrm>("mainmenufrm", [after](mainmenufrm& f) {
                after(f);
                f.quitbut.press();
            });
        mainmenufrm menu;
        menu.show_modal();
    }
    // Save with `name` typed (Cancel when it is empty); gives the name the
    // file window offered.
    std::string save(mainmenufrm& f, const std::string& name) {
        std::string offered;
        driver.on<filefrm>("filefrm", [&offered, this, name](filefrm& file) {
            offered = file.Text1.text();
            if (name.empty()) return file.cancelbut.press();
            file.Dir1.setpath(dir.str());
            file.Text1.setText(name);
            file.okbut.press();
        });
        f.Savebut.press();
        return offered;
    }
};

TEST_F(AbandonedNewProblem, EachWayBackLeavesTheLoadedProblemWholeAndAFailedSaveItsNames) {
    const std::string loaded = dir.str() + "/WORKSHOP";
    for (const Program program : {Program::storeyone, Program::storeymany}) {
        for (const Leave how : {Leave::sourceback, Leave::filecancel, Leave::unreadable,
                                Leave::keyboardback, Leave::keyboardclosebox}) {
            SCOPED_TRACE(int(how));
            start(program);
            menuroad([&] { loadthroughwindows(dir.str(), "WORKSHOP"); }, [](mainmenufrm&) {});
            m.chartsource = 1; // the material-handling chart was in use
            std::string chart, label, offered;
            menuroad([this, how] { newproblem(how); },
                     [&](mainmenufrm& f) {
                         chart = f.useprodflowlbl.caption();
                         driver.on<editfrm>("editfrm", [](editfrm& e) { e.areabut.press(); });
                         driver.on<mainfrm>("mainfrm", [](mainfrm& d) {
                             EXPECT_EQ(d.nmdpttxt[5].text(), "Shipping");
                             EXPECT_EQ(d.totaltxt.text(), "1200");
                             d.backbut.press();
                         });
                         f.Editbut.press();
                         save(f, "FOLDER");
                         label = f.Label3.caption();
                         offered = save(f, "AGAIN");
                     });
            EXPECT_EQ(chart, "Using material handling relationship chart");
            EXPECT_EQ(label, loaded);
            // Only storeyone remembers a name for the next save.
            EXPECT_EQ(offered, one() ? "WORKSHOP" : "");
            EXPECT_EQ(readfile(dir.path() / "AGAIN"), readfile(loaded));
            EXPECT_EQ(m.loadfilename, loaded);
        }
    }
    // One message for each unreadable file and each failed save.
    EXPECT_EQ(std::count(driver.messages().begin(), driver.messages().end(),
                         "Can't save to CD or write protected drive!"),
              10);
    EXPECT_EQ(driver.messages().size(), 12u);
}

TEST_F(AbandonedNewProblem, AnUnreadableFirstFileOrAKeyboardProblemNamesNoFile) {
    for (const Program program : {Program::storeyone, Program::storeymany}) {
        for (const Leave how : {Leave::unreadable, Leave::typed}) {
            start(program);
            m.problemfile = dir.str() + "/WORKSHOP";
            m.problementered = 1; // a problem entered earlier
            if (how == Leave::unreadable) m.problemfile.clear();
            m.chartsource = 1;
            std::string label, offered, chart, saved;
            menuroad([this, how] { newproblem(how); },
                     [&](mainmenufrm& f) {
                         label = f.Label3.caption();
                         chart = f.useprodflowlbl.caption();
                         offered = save(f, "");
                         if (how == Leave::typed) save(f, "PRESS");
                         saved = f.Label3.caption();
                     });
            EXPECT_EQ(label, "");
            EXPECT_EQ(offered, "");
            if (how == Leave::unreadable) continue;
            EXPECT_EQ(chart, "Using standard relationship chart");
            EXPECT_EQ(saved, dir.str() + "/PRESS");
            EXPECT_EQ(readfile(dir.path() / "PRESS").substr(0, 2), "1,");
        }
    }
    EXPECT_EQ(std::count(driver.opened().begin(), driver.opened().end(), "mainfrm"), 2);
}

} // namespace
