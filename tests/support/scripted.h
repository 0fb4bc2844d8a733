#pragma once
// Fixture of the window tests: a fresh program state and the scripted driver.
// Each test queues scripts with driver.on(...), opens a window with
// show_modal() and reads what the windows showed, drew, printed and said.
// A test passes only when every window it opened ran a script that closed it
// and every queued script ran.

#include "forms/driver.h"
#include "model/module1.h"
#include "problem/windowtable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class ScriptedTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Messages and windows of the shared procedures go through the real
        // hooks, so the driver sees them like the windows' own.
        installwindows(m);
        usemodule1(&m);
    }
    void TearDown() override {
        usemodule1(nullptr);
        EXPECT_TRUE(driver.failures().empty()) << failures();
        EXPECT_TRUE(driver.pending().empty()) << "scripts never run: " << pending();
    }

    forms::Driver driver;
    // The program state of this test (module1() refers to it).
    Module1 m;

private:
    static std::string joined(const std::vector<std::string>& items) {
        std::string out;
        for (const std::string& s : items)
            out += (out.empty() ? "" : ", ") + s;
        return out;
    }
    std::string failures() const { return joined(driver.failures()); }
    std::string pending() const { return joined(driver.pending()); }
};
