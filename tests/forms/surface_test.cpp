// The drawing surface: its display list in user units, the current point, the
// text line advance, and painting the list into an image.

#include "forms/picturebox.h"
#include "tests/forms/testwindow.h"

#include <QImage>

#include <gtest/gtest.h>

using forms::DrawOp;
using Kind = forms::DrawOp::Kind;

namespace {

// A bare surface, as the printer is.
struct Page final : forms::Surface {};

std::vector<Kind> kinds(const forms::Surface& s) {
    std::vector<Kind> out;
    for (const DrawOp& op : s.ops())
        out.push_back(op.kind);
    return out;
}

int darkpixels(const QImage& img, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) ++n;
    return n;
}

} // namespace

TEST(Surface, RecordsOperationsInUserUnitsAndMovesTheCurrentPoint) {
    Page s;
    s.fontname("system");
    s.scale(0, 0, 640, 200);
    s.pset(100, 1);
    s.linerel(300, 0);
    s.linerel(0, 150);
    EXPECT_EQ(s.currentx(), 400);
    EXPECT_EQ(s.currenty(), 151);
    s.line(1, 2, 3, 4);
    s.moveto(50, 60);
    EXPECT_EQ(s.currentx(), 50);
    EXPECT_EQ(s.currenty(), 60);
    EXPECT_EQ(kinds(s), (std::vector<Kind>{Kind::font, Kind::scale, Kind::point, Kind::line,
                                           Kind::line, Kind::line}));
    const DrawOp& second = s.ops()[4];
    EXPECT_EQ(second.x1, 400);
    EXPECT_EQ(second.y1, 1);
    EXPECT_EQ(second.x2, 400);
    EXPECT_EQ(second.y2, 151);
    EXPECT_EQ(s.ops()[0].text, "system");
}

TEST(Surface, PrintMovesToTheStartOfTheNextTextLine) {
    Page s;
    s.scale(0, 0, 640, 200);
    s.fontname("system");
    s.pset(8, 40);
    s.print("Base score 1.00");
    EXPECT_EQ(s.currentx(), 0);
    EXPECT_EQ(s.currenty(), 48);
    s.print("next");
    ASSERT_EQ(s.texts().size(), 2u);
    EXPECT_EQ(s.texts()[0].x, 8);
    EXPECT_EQ(s.texts()[0].y, 40);
    EXPECT_EQ(s.texts()[0].text, "Base score 1.00");
    EXPECT_EQ(s.texts()[1].x, 0);
    EXPECT_EQ(s.texts()[1].y, 48);
    // A scale that does not start at 0 returns to its own left edge.
    s.scale(10, 100, 90, 200);
    s.pset(50, 150);
    s.print("x");
    EXPECT_EQ(s.currentx(), 10);
    EXPECT_EQ(s.currenty(), 154);
}

TEST(Surface, BeforeAScaleUnitsArePixels) {
    Page s;
    s.fontname("Times New Roman");
    s.pset(5, 2);
    s.print("Fixed Depts");
    EXPECT_EQ(s.currenty(), 15);
    s.fontname("system");
    s.print("x");
    EXPECT_EQ(s.currenty(), 31);
}

TEST(Surface, ClearKeepsTheScaleAndTheFont) {
    Page s;
    s.scale(0, 0, 640, 200);
    s.fontname("system");
    s.pset(10, 10);
    s.print("gone");
    s.cls();
    EXPECT_TRUE(s.texts().empty());
    EXPECT_EQ(kinds(s), (std::vector<Kind>{Kind::clear, Kind::scale, Kind::font}));
    EXPECT_EQ(s.currentx(), 0);
    EXPECT_EQ(s.currenty(), 0);
}

TEST(Surface, PictureBoxPaintsLinesAndTextWhereTheScalePutsThem) {
    TestWindow w;
    forms::PictureBox& box = w.layoutbox;
    box.resize(640, 200);
    box.fontname("system");
    box.scale(0, 0, 320, 100); // two pixels a unit
    box.pset(50, 10);
    box.linerel(100, 0);
    box.pset(10, 50);
    box.print("LAYOUT 3");
    QImage img(box.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    box.render(&img);
    // The line from (100, 20) to (300, 20) in pixels.
    EXPECT_EQ(darkpixels(img, QRect(100, 20, 201, 1)), 201);
    EXPECT_EQ(darkpixels(img, QRect(100, 22, 201, 5)), 0);
    // "LAYOUT 3" from (20, 100) in the system font's size on screen, nothing beyond.
    EXPECT_GT(darkpixels(img, QRect(20, 100, 128, 16)), 50);
    EXPECT_EQ(darkpixels(img, QRect(150, 100, 100, 16)), 0);
    EXPECT_EQ(darkpixels(img, QRect(20, 118, 128, 20)), 0);
}

// The system font keeps its size in pixels on screen, whatever the box; on
// paper it takes the same share of any page's width.
TEST(Surface, TheSystemFontKeepsItsSizeOnScreenAndItsShareOfThePage) {
    Page s;
    s.scale(0, 0, 640, 200);
    s.fontname("system");
    s.printat(8, 8, "L/W Ratio 1.35");
    const auto width = [&s](double boxwidth, forms::Surface::Medium medium) {
        return forms::Surface::placedtexts(s.ops(), QRectF(0, 0, boxwidth, boxwidth / 2), medium)
            .at(0)
            .line.width();
    };
    using Medium = forms::Surface::Medium;
    EXPECT_DOUBLE_EQ(width(737, Medium::screen), width(1474, Medium::screen));
    EXPECT_NEAR(width(737, Medium::screen), 89, 3);
    EXPECT_NEAR(width(9600, Medium::paper), 2 * width(4800, Medium::paper), 1e-6);
    // The text placed is the text painted: its glyphs start at its point.
    QImage img(737, 473, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    s.render(p, QRectF(0, 0, 737, 473));
    p.end();
    const QRectF ink =
        forms::Surface::placedtexts(s.ops(), QRectF(0, 0, 737, 473), Medium::screen).at(0).ink;
    EXPECT_GT(darkpixels(img, ink.toAlignedRect()), 50);
    EXPECT_EQ(darkpixels(img, QRect(int(ink.right()) + 2, 0, 200, 40)), 0);
}
