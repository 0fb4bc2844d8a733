#pragma once
// The application object of both programs and of the window tests: Qt set up
// for the modal road (the program ends when its first window's show_modal()
// returns, never when the last window closes), a fixed application font at
// 96 DPI and the program's name as the default message title.

#include <QApplication>

#include <string_view>

namespace forms {

class Application final : public QApplication {
public:
    Application(int& argc, char** argv, std::string_view title);
};

} // namespace forms
