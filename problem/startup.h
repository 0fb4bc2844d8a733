#pragma once
// The start of either program: its state, its hooks, and the credits window.
// The program ends when the credits window's modal run returns.

#include "model/module1.h"

int runprogram(Program program, int argc, char** argv);
