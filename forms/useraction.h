#pragma once
// What a user can reach: a control that is hidden or disabled (itself or a
// container it sits in) cannot be clicked or typed into. An attempt is a
// failure of the test script under the driver and is ignored otherwise.

#include <QWidget>

#include <string_view>

namespace forms {

bool reachable(const QWidget& w, std::string_view action);

// Reports a script's mistake to the driver, if one is installed.
void scriptfailure(std::string what);

} // namespace forms
