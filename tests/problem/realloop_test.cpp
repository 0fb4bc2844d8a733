// Both programs on the real modal road with Qt's own event loop: a robot does
// what a newcomer would, window by window, from the credits to Quit.
#include "forms/controls.h"
#include "model/module1.h"
#include "problem/creditsfrm.h"
#include "problem/windowtable.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

// What the robot does in one window: type into boxes, then press one button.
struct Step {
    std::string window;
    std::vector<std::pair<std::string, std::string>> typing; // box name, text
    std::string button;
};

// Every 20 ms: when the window on top is the next step's, its boxes get their
// text and its button is pressed.
class Robot {
public:
    explicit Robot(std::vector<Step> plan) : plan_(std::move(plan)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start(20);
    }
    std::vector<std::string> seen, messages;
    bool done() const { return next_ == plan_.size(); }

private:
    void step() {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || done()) return;
        // A message box is read and acknowledged, as a user would.
        if (auto* box = qobject_cast<QMessageBox*>(top)) {
            messages.push_back(box->text().toStdString());
            QTimer::singleShot(0, box, [box] { box->accept(); });
            return;
        }
        const Step& s = plan_[next_];
        if (top->objectName().toStdString() != s.window) return;
        auto* b = top->findChild<forms::CommandButton*>(QString::fromStdString(s.button));
        if (!b || !b->isVisible()) return;
        for (const auto& [box, text] : s.typing)
            if (auto* t = top->findChild<forms::TextBox*>(QString::fromStdString(box)))
                t->type(text);
        seen.push_back(s.window);
        ++next_;
        // The press opens the next modal window: run it outside this timer's
        // own slot, which Qt does not enter again while it runs.
        QTimer::singleShot(0, b, [b] { b->click(); });
    }
    std::vector<Step> plan_;
    std::size_t next_ = 0;
    QTimer timer_;
};

std::vector<std::string> windows(const std::vector<Step>& plan) {
    std::vector<std::string> names;
    for (const Step& s : plan)
        names.push_back(s.window);
    return names;
}

// A three-department problem typed from the keyboard, up to the main menu again.
std::vector<Step> keyboardproblem() {
    return {{"mainmenufrm", {}, "newprobbut"},
            {"sourcefrm", {}, "Keybut"},
            {"mainfrm",
             {{"nmdpttxt(0)", "Receiving"},
              {"areatxt(0)", "300"},
              {"nmdpttxt(1)", "Assembly"},
              {"areatxt(1)", "200"},
              {"nmdpttxt(2)", "Shipping"},
              {"areatxt(2)", "100"}},
             "okbut"},
            {"relfrm", {{"reltxt(0)", "A"}, {"reltxt(1)", "E"}, {"reltxt(17)", "X"}}, "okbut"},
            {"svectfrm", {}, "okbut"},
            {"svect2frm", {}, "okbut"}};
}

std::unique_ptr<Module1> runroad(Program program, const std::vector<Step>& plan,
                                 const std::vector<std::string>& messages = {}) {
    auto m = std::make_unique<Module1>();
    m->program = program;
    usemodule1(m.get());
    installwindows(*m);
    Robot robot(plan);
    // A robot that loses its way must not hang the test.
    QTimer::singleShot(30000, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    {
        creditsfrm credits;
        credits.show_modal();
    }
    usemodule1(nullptr);
    EXPECT_TRUE(robot.done());
    EXPECT_EQ(robot.seen, windows(plan));
    EXPECT_EQ(robot.messages, messages);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    return m;
}

std::vector<Step> concat(std::vector<std::vector<Step>> parts) {
    std::vector<Step> all;
    for (auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

const std::vector<Step> startup = {{"creditsfrm", {}, "okbut"}, {"introfrm", {}, "okbut"}};

} // namespace

TEST(RealEventLoop, StoreyoneStartsAndQuits) {
    runroad(Program::storeyone, concat({startup, {{"mainmenufrm", {}, "quitbut"}}}));
}

TEST(RealEventLoop, StoreymanyStartsAndQuits) {
    runroad(Program::storeymany, concat({startup, {{"mainmenufrm", {}, "quitbut"}}}));
}

TEST(RealEventLoop, StoreyoneNewcomerTypesAProblemAndLaysItOut) {
    auto m = runroad(Program::storeyone,
                     concat({startup,
                             keyboardproblem(),
                             {{"lwratiofrm", {}, "opt1but"},
                              {"mainmenufrm", {}, "singlebut"},
                              {"singlemenufrm", {}, "randombut"},
                              {"display1frm", {}, "Savebut"},
                              {"singlemenufrm", {}, "backbut"},
                              {"mainmenufrm", {}, "quitbut"}}}),
                     {"Layout saved to memory.  Remember to save the problem file under the main "
                      "menu."});
    EXPECT_EQ(m->ndept, 3);
    EXPECT_EQ(m->problementered.num(), 1);
    EXPECT_EQ(m->nsavedlayouts.num(), 1);
}

TEST(RealEventLoop, StoreymanyNewcomerTypesAProblemAndPartitionsIt) {
    auto m = runroad(
        Program::storeymany,
        concat({startup,
                keyboardproblem(),
                {{"mainmenufrm", {}, "singlebut"},
                 {"msmenufrm", {}, "autobut"},
                 {"AutomPartitionfrm", {{"svnstortxt", "2"}, {"sdiftxt", "0.5"}}, "contbut"},
                 {"msprintpartitionfrm", {}, "Savebut"},
                 {"msmenufrm", {}, "backbut"},
                 {"mainmenufrm", {}, "quitbut"}}}),
        {"Partion saved to memory, original problem must still be saved under main "
         "menu."});
    EXPECT_EQ(m->nstories, 2);
    EXPECT_EQ(m->nsavedpart.num(), 1);
}
