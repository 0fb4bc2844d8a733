// Test main of the window tests: one offscreen QApplication for the whole run.
#include "forms/application.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    // ctest lists the tests without the test environment: never reach for a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    forms::Application app(argc, argv, "MARQUETA");
    return RUN_ALL_TESTS();
}
