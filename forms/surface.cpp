#include "forms/surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace forms {

namespace {

// The "system" font's cell is 8 x 8 units of the 640 x 200 scale: a scaled
// surface holds 80 columns and 25 text lines. Before a scale is set the units
// are the box's pixels, and text lines are those of a 16-pixel system font or a
// 13-pixel proportional one.
constexpr double columns = 80, lines = 25;
constexpr double systemlinepx = 16, systemcolumnpx = 8, proportionallinepx = 13;

bool issystem(const std::string& font) {
    std::string f = font;
    std::transform(f.begin(), f.end(), f.begin(), [](unsigned char c) { return std::tolower(c); });
    return f == "system";
}

// Where user units land on the device.
struct Mapping {
    QPointF origin;
    double ux = 0, uy = 0; // user coordinates of the origin
    double kx = 1, ky = 1; // device pixels per unit
    QPointF at(double x, double y) const {
        return {origin.x() + (x - ux) * kx, origin.y() + (y - uy) * ky};
    }
};

// Draws text with the top left of its first cell at pos, fitted to a cell of
// the given size in device pixels: the system font is stretched to the cell,
// a proportional font keeps its shape and takes the cell's height.
void drawtext(QPainter& p, QPointF pos, const QString& text, bool system, double cellw,
              double cellh) {
    constexpr int reference = 64;
    QFont f(system ? QStringLiteral("DejaVu Sans Mono") : QStringLiteral("DejaVu Sans"));
    f.setStyleHint(system ? QFont::Monospace : QFont::SansSerif);
    f.setPixelSize(reference);
    const QFontMetricsF m(f);
    const double sy = cellh / m.height();
    const double sx = system ? cellw / m.horizontalAdvance(QLatin1Char('M')) : sy;
    p.save();
    p.translate(pos);
    p.scale(sx, sy);
    p.setFont(f);
    p.drawText(QPointF(0, m.ascent()), text);
    p.restore();
}

} // namespace

void Surface::add(DrawOp op) {
    ops_.push_back(std::move(op));
    changed();
}

void Surface::scale(double left, double top, double right, double bottom) {
    sl_ = left;
    st_ = top;
    sr_ = right;
    sb_ = bottom;
    scaled_ = true;
    add({DrawOp::Kind::scale, left, top, right, bottom, {}});
}

void Surface::fontname(std::string_view name) {
    font_ = name;
    add({DrawOp::Kind::font, 0, 0, 0, 0, font_});
}

void Surface::pset(double x, double y) {
    cx_ = x;
    cy_ = y;
    add({DrawOp::Kind::point, x, y, 0, 0, {}});
}

void Surface::moveto(double x, double y) {
    cx_ = x;
    cy_ = y;
}

void Surface::linerel(double dx, double dy) {
    line(cx_, cy_, cx_ + dx, cy_ + dy);
}

void Surface::line(double x1, double y1, double x2, double y2) {
    cx_ = x2;
    cy_ = y2;
    add({DrawOp::Kind::line, x1, y1, x2, y2, {}});
}

double Surface::lineheight() const {
    if (scaled_) return (sb_ - st_) / lines;
    return issystem(font_) ? systemlinepx : proportionallinepx;
}

void Surface::print(std::string_view text) {
    const double x = cx_, y = cy_;
    cx_ = scaled_ ? sl_ : 0;
    cy_ = y + lineheight();
    add({DrawOp::Kind::text, x, y, 0, 0, std::string(text)});
}

void Surface::cls() {
    // The scale and the font stay; the list starts again with them.
    ops_.clear();
    ops_.push_back({DrawOp::Kind::clear, 0, 0, 0, 0, {}});
    if (scaled_) ops_.push_back({DrawOp::Kind::scale, sl_, st_, sr_, sb_, {}});
    if (!font_.empty()) ops_.push_back({DrawOp::Kind::font, 0, 0, 0, 0, font_});
    cx_ = scaled_ ? sl_ : 0;
    cy_ = scaled_ ? st_ : 0;
    changed();
}

void Surface::reset() {
    ops_.clear();
    cx_ = cy_ = 0;
    sl_ = st_ = sr_ = sb_ = 0;
    scaled_ = false;
    font_.clear();
    changed();
}

std::vector<Surface::PrintedText> Surface::texts() const {
    std::vector<PrintedText> out;
    for (const DrawOp& op : ops_)
        if (op.kind == DrawOp::Kind::text) out.push_back({op.x1, op.y1, op.text});
    return out;
}

void Surface::render(QPainter& p, const QRectF& target) const {
    // One pixel of the box is one pixel at 96 DPI on the device.
    const double pix = p.device() ? p.device()->logicalDpiX() / 96.0 : 1.0;
    Mapping map{target.topLeft(), 0, 0, pix, pix};
    bool scaled = false;
    std::string font;

    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QPen(Qt::black, pix, Qt::SolidLine, Qt::SquareCap));
    for (const DrawOp& op : ops_) {
        switch (op.kind) {
        case DrawOp::Kind::scale:
            // A scale without extent has no mapping; the previous one stays.
            if (op.x2 == op.x1 || op.y2 == op.y1) break;
            map = {target.topLeft(), op.x1, op.y1, target.width() / (op.x2 - op.x1),
                   target.height() / (op.y2 - op.y1)};
            scaled = true;
            break;
        case DrawOp::Kind::font:
            font = op.text;
            break;
        case DrawOp::Kind::point:
            p.fillRect(QRectF(map.at(op.x1, op.y1), QSizeF(pix, pix)), Qt::black);
            break;
        case DrawOp::Kind::line:
            p.drawLine(map.at(op.x1, op.y1), map.at(op.x2, op.y2));
            break;
        case DrawOp::Kind::text: {
            const bool system = issystem(font);
            double cellw = systemcolumnpx * pix;
            double cellh = (system ? systemlinepx : proportionallinepx) * pix;
            if (scaled) {
                // The cell follows the target, but text never stands more
                // than twice as high as it is wide (a tall printed page).
                cellw = std::abs(target.width()) / columns;
                cellh = std::min(std::abs(target.height()) / lines, 2 * cellw);
            }
            drawtext(p, map.at(op.x1, op.y1), QString::fromStdString(op.text), system, cellw,
                     cellh);
            break;
        }
        case DrawOp::Kind::clear:
            p.fillRect(target, Qt::white);
            break;
        }
    }
    p.restore();
}

} // namespace forms
