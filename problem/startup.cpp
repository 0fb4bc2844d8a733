#include "problem/startup.h"

#include "forms/application.h"
#include "problem/creditsfrm.h"
#include "problem/windowtable.h"

#include <memory>

int runprogram(Program program, int argc, char** argv) {
    forms::Application app(argc, argv, "MARQUETA");
    auto state = std::make_unique<Module1>();
    state->program = program;
    usemodule1(state.get());
    installwindows(*state);
    creditsfrm credits;
    credits.show_modal();
    usemodule1(nullptr);
    return 0;
}
