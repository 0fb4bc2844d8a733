#pragma once
// The windows that shared procedures open by name, and the hooks through which
// the model shows messages and opens them.

#include <string_view>

struct Module1;

// Sets the model's message and window hooks to the real message box and windows.
void installwindows(Module1& m);

// Opens the named window modally; returns when it has closed.
void openwindowbyname(std::string_view name);
