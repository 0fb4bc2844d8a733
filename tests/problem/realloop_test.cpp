// Both programs on the real modal road with Qt's own event loop: a robot
// presses the buttons a user would, credits to main menu to Quit.
#include "model/module1.h"
#include "problem/creditsfrm.h"
#include "problem/windowtable.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Every 50 ms: the window on top gets the next press of the plan when its name matches.
class Robot {
public:
    explicit Robot(std::vector<std::pair<std::string, std::string>> plan) : plan_(std::move(plan)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start(50);
    }
    std::vector<std::string> seen;
    bool done() const { return next_ == plan_.size(); }

private:
    void step() {
        QWidget* top = QApplication::activeModalWidget();
        if (!top || next_ == plan_.size()) return;
        const auto& [window, button] = plan_[next_];
        if (top->objectName().toStdString() != window) return;
        auto* b = top->findChild<QPushButton*>(QString::fromStdString(button));
        if (!b || !b->isVisible()) return;
        seen.push_back(window);
        ++next_;
        // The click opens the next modal window: run it outside this timer's own
        // slot, which Qt does not enter again while it runs.
        QTimer::singleShot(0, b, &QPushButton::click);
    }
    std::vector<std::pair<std::string, std::string>> plan_;
    std::size_t next_ = 0;
    QTimer timer_;
};

void runroad(Program program) {
    auto m = std::make_unique<Module1>();
    m->program = program;
    usemodule1(m.get());
    installwindows(*m);
    Robot robot({{"creditsfrm", "okbut"}, {"introfrm", "okbut"}, {"mainmenufrm", "quitbut"}});
    QTimer::singleShot(20000, [] {
        if (QWidget* w = QApplication::activeModalWidget()) w->close();
    });
    {
        creditsfrm credits;
        credits.show_modal();
    }
    usemodule1(nullptr);
    EXPECT_TRUE(robot.done());
    EXPECT_EQ(robot.seen, (std::vector<std::string>{"creditsfrm", "introfrm", "mainmenufrm"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace

TEST(RealEventLoop, StoreyoneStartsAndQuits) {
    runroad(Program::storeyone);
}

TEST(RealEventLoop, StoreymanyStartsAndQuits) {
    runroad(Program::storeymany);
}
