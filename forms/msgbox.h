#pragma once
// A message box with one OK button and the default title (the program's name).
// Under the test driver the text is recorded and acknowledged at once.

#include <string_view>

namespace forms {

void msgbox(std::string_view text);

} // namespace forms
