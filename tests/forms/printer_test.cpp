// The printer: pages and window images are recorded under the driver; without
// it (and with no printer set up) each job becomes a new PDF file.

#include "forms/driver.h"
#include "forms/printer.h"
#include "tests/support/tempdir.h"

#include <QApplication>
#include <QLabel>
#include <QPrinterInfo>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(Printer, APageIsRecordedUnderTheDriverAndTheListStartsAgain) {
    forms::Driver driver;
    TempDir dir;
    const CurrentFolder here(dir.path());
    forms::Printer& p = forms::printer();
    p.scale(0, 0, 640, 200);
    p.fontname("system");
    p.pset(10, 20);
    p.print("LAYOUT 1");
    p.linerel(0, 79.68375);
    p.enddoc();
    ASSERT_EQ(driver.prints().size(), 1u);
    const forms::PrintJob& job = driver.prints()[0];
    EXPECT_EQ(job.kind, forms::PrintJob::Kind::page);
    ASSERT_EQ(job.ops.size(), 5u);
    EXPECT_EQ(job.ops[3].text, "LAYOUT 1");
    EXPECT_EQ(job.ops[4].y2, 28 + 79.68375);
    EXPECT_TRUE(p.ops().empty());
    EXPECT_TRUE(driver.messages().empty());
    EXPECT_TRUE(fs::is_empty(dir.path()));
}

TEST(Printer, AnImageIsRecordedUnderTheDriver) {
    forms::Driver driver;
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(Qt::red);
    forms::printimage(img, "display1frm");
    ASSERT_EQ(driver.prints().size(), 1u);
    EXPECT_EQ(driver.prints()[0].kind, forms::PrintJob::Kind::image);
    EXPECT_EQ(driver.prints()[0].title, "display1frm");
    EXPECT_EQ(driver.prints()[0].image, img);
}

namespace {

// Acknowledges the message box that reports the file, and keeps its text.
std::string acknowledged;
void acknowledgesoon() {
    QTimer::singleShot(0, [] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            acknowledged = box->findChild<QLabel*>("qt_msgbox_label")->text().toStdString();
            box->close();
        }
    });
}

bool ispdf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    return head == "%PDF-";
}

} // namespace

TEST(Printer, WithoutAPrinterEachPageBecomesANewPdfFile) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "a printer is set up";
    TempDir dir;
    const CurrentFolder here(dir.path());
    dir.write("marqueta-print-1.pdf", "kept");
    forms::Printer& p = forms::printer();
    p.scale(0, 0, 640, 200);
    p.fontname("system");
    p.pset(100, 1);
    p.linerel(500, 0);
    p.pset(10, 20);
    p.print("LAYOUT 1");
    acknowledgesoon();
    p.enddoc();
    const fs::path file = dir / "marqueta-print-2.pdf";
    EXPECT_TRUE(ispdf(file));
    EXPECT_GT(fs::file_size(file), 500u);
    EXPECT_EQ(acknowledged, "No printer is set up: printed to file " + file.string());
    std::ifstream kept(dir / "marqueta-print-1.pdf");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "kept");
    EXPECT_TRUE(p.ops().empty());
}
