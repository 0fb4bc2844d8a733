#include "forms/application.h"

#include <QFont>
#include <QStyleFactory>

namespace forms {

Application::Application(int& argc, char** argv, std::string_view title)
    : QApplication(argc, argv) {
    // The program ends when its first window's run returns, never because a
    // window closed while the next was about to open.
    setQuitOnLastWindowClosed(false);
    // The name is the default title of message boxes. No display name is set:
    // it would be appended to every window's caption.
    setApplicationName(QString::fromUtf8(title.data(), qsizetype(title.size())));
    // The same look and the same text size (in pixels, at 96 DPI, like the
    // window geometry) on every platform. The windows were laid out for a
    // narrow 8-point sans-serif: a condensed 11-pixel one has its metrics, so
    // every caption fits the control the window gives it.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    setFont(font);
}

} // namespace forms
