#include "forms/msgbox.h"

#include "forms/driver.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

namespace forms {

void msgbox(std::string_view text) {
    if (Driver* driver = Driver::current()) {
        driver->message(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QGuiApplication::applicationDisplayName(),
                    QString::fromUtf8(text.data(), qsizetype(text.size())), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    // Placed in the middle of the screen: there may be no window manager.
    box.adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        box.move(screen->availableGeometry().center() - box.rect().center());
    box.exec();
}

} // namespace forms
