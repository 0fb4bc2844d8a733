#include "forms/printer.h"

#include "forms/driver.h"
#include "forms/msgbox.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include <functional>
#include <memory>

namespace forms {

namespace {

// The first marqueta-print-N.pdf in the current folder that does not exist yet.
QString unusedpdf() {
    const QDir here = QDir::current();
    for (int n = 1;; ++n) {
        const QString file = here.absoluteFilePath(QStringLiteral("marqueta-print-%1.pdf").arg(n));
        if (!QFileInfo::exists(file)) return file;
    }
}

// Sends one page to the default printer, or to a new PDF file in the current
// folder when no printer is set up; draw paints the page's printable area.
void sendpage(std::string_view title, const std::function<void(QPainter&, const QRectF&)>& draw) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    std::unique_ptr<QPrinter> printer;
    QString file;
    if (info.isNull()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        file = unusedpdf();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(file);
    } else {
        printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    printer->setDocName(QString::fromUtf8(title.data(), qsizetype(title.size())));
    QPainter p;
    if (!p.begin(printer.get())) {
        msgbox(file.isEmpty() ? "The page could not be sent to the printer."
                              : "The page could not be written to " + file.toStdString());
        return;
    }
    const QRectF page(QPointF(0, 0), printer->pageRect(QPrinter::DevicePixel).size());
    draw(p, page);
    p.end();
    if (!file.isEmpty()) msgbox("No printer is set up: printed to file " + file.toStdString());
}

} // namespace

void Printer::enddoc() {
    if (Driver* driver = Driver::current())
        driver->print({PrintJob::Kind::page, {}, {}, ops()});
    else
        sendpage(QGuiApplication::applicationName().toStdString(),
                 [this](QPainter& p, const QRectF& page) { render(p, page, Medium::paper); });
    reset();
}

Printer& printer() {
    static Printer one;
    return one;
}

void printimage(const QImage& image, std::string_view title) {
    if (Driver* driver = Driver::current()) {
        driver->print({PrintJob::Kind::image, std::string(title), image, {}});
        return;
    }
    sendpage(title, [&image](QPainter& p, const QRectF& page) {
        // The window at its size on screen (96 DPI), smaller when it does not fit.
        const double pix = p.device()->logicalDpiX() / 96.0;
        QSizeF size = QSizeF(image.size()) * pix;
        if (size.width() > page.width() || size.height() > page.height())
            size.scale(page.size(), Qt::KeepAspectRatio);
        p.setRenderHint(QPainter::SmoothPixmapTransform, true);
        p.drawImage(QRectF(page.topLeft(), size), image);
    });
}

} // namespace forms
