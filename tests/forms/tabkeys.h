#pragma once
// Tab as a user presses it, for the window tests.

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <string>
#include <vector>

// Puts the focus in start, presses Tab the given number of times and names
// the control that has the focus after each press.
inline std::vector<std::string> tabfrom(QWidget& start, int presses) {
    start.setFocus();
    std::vector<std::string> seen;
    for (int i = 0; i < presses; ++i) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
        QApplication::sendEvent(start.window()->focusWidget(), &tab);
        seen.push_back(start.window()->focusWidget()->objectName().toStdString());
    }
    return seen;
}
