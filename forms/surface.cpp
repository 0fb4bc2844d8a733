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
constexpr double systemlinepx = 16, proportionallinepx = 13;

// The drawings were laid out for a bold proportional system font of about 7
// pixels a character: on screen it keeps its size in device pixels whatever
// the scale; on paper it takes a share of the page's width small enough that
// the texts left of the building still end before its wall.
constexpr double systemfontpx = 13;
constexpr double systemfontsperpage = 72;

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

// Text is laid out in a reference size and scaled to its device size, so that
// screen, paper and measurement agree whatever the device's resolution.
constexpr int referencepx = 64;

QFont referencefont(bool system) {
    QFont f(system ? QStringLiteral("Liberation Sans") : QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setBold(system);
    f.setPixelSize(referencepx);
    return f;
}

// How a text is drawn: its font at the reference size and the factor that
// brings it to the device.
struct TextStyle {
    QFont font;
    double scale;
};

// The system font at its device size; a proportional font takes the height of
// a text line of the scale (of its pixel lines before a scale is set).
TextStyle textstyle(bool system, bool scaled, const QRectF& target, double pix,
                    Surface::Medium medium) {
    TextStyle t{referencefont(system), 1};
    if (system) {
        const double px = medium == Surface::Medium::paper
                              ? std::abs(target.width()) / systemfontsperpage
                              : systemfontpx * pix;
        t.scale = px / referencepx;
        return t;
    }
    double lineh = proportionallinepx * pix;
    // Text never stands more than twice as high as a column is wide (a tall
    // printed page).
    if (scaled)
        lineh = std::min(std::abs(target.height()) / lines, 2 * std::abs(target.width()) / columns);
    t.scale = lineh / QFontMetricsF(t.font).height();
    return t;
}

// The line a text takes (its advance by the font's height) and the box its
// glyphs cover (blanks cover nothing).
Surface::PlacedText placed(const TextStyle& t, QPointF pos, const std::string& text) {
    const QFontMetricsF m(t.font);
    const QString s = QString::fromStdString(text);
    const QRectF line(pos, QSizeF(m.horizontalAdvance(s), m.height()) * t.scale);
    const QString glyphs = s.trimmed();
    QRectF ink;
    if (!glyphs.isEmpty()) {
        const double lead = m.horizontalAdvance(s.left(s.indexOf(glyphs.front())));
        const QRectF b = m.tightBoundingRect(glyphs).translated(lead, m.ascent());
        ink = QRectF(pos + b.topLeft() * t.scale, b.size() * t.scale);
    }
    return {line, ink, text};
}

void drawtext(QPainter& p, const TextStyle& t, QPointF pos, const QString& text) {
    p.save();
    p.translate(pos);
    p.scale(t.scale, t.scale);
    p.setFont(t.font);
    p.drawText(QPointF(0, QFontMetricsF(t.font).ascent()), text);
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

namespace {

// One operation of the display list on the device.
struct Placed {
    DrawOp::Kind kind;
    QPointF a, b; // point: a; line: a to b
    const std::string* text = nullptr;
    TextStyle style{};
};

// Walks the display list into device coordinates of target; painting and
// measuring share it, so what is measured is what is drawn.
template <typename Visit>
void walk(const std::vector<DrawOp>& ops, const QRectF& target, double pix, Surface::Medium medium,
          Visit&& visit) {
    Mapping map{target.topLeft(), 0, 0, pix, pix};
    bool scaled = false;
    std::string font;
    for (const DrawOp& op : ops) {
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
        case DrawOp::Kind::clear:
            visit(Placed{op.kind, map.at(op.x1, op.y1), {}});
            break;
        case DrawOp::Kind::line:
            visit(Placed{op.kind, map.at(op.x1, op.y1), map.at(op.x2, op.y2)});
            break;
        case DrawOp::Kind::text:
            visit(Placed{op.kind,
                         map.at(op.x1, op.y1),
                         {},
                         &op.text,
                         textstyle(issystem(font), scaled, target, pix, medium)});
            break;
        }
    }
}

// One pixel of the box is one pixel at 96 DPI on the device.
double pixel(const QPaintDevice* device) {
    return device ? device->logicalDpiX() / 96.0 : 1.0;
}

} // namespace

std::vector<Surface::PlacedText> Surface::placedtexts(const std::vector<DrawOp>& ops,
                                                      const QRectF& target, Medium medium,
                                                      double pix) {
    std::vector<PlacedText> out;
    walk(ops, target, pix, medium, [&out](const Placed& op) {
        if (op.kind == DrawOp::Kind::text) out.push_back(placed(op.style, op.a, *op.text));
    });
    return out;
}

void Surface::render(QPainter& p, const QRectF& target, Medium medium) const {
    const double pix = pixel(p.device());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    p.setPen(QPen(Qt::black, pix, Qt::SolidLine, Qt::SquareCap));
    walk(ops_, target, pix, medium, [&](const Placed& op) {
        switch (op.kind) {
        case DrawOp::Kind::point:
            p.fillRect(QRectF(op.a, QSizeF(pix, pix)), Qt::black);
            break;
        case DrawOp::Kind::line:
            p.drawLine(op.a, op.b);
            break;
        case DrawOp::Kind::text:
            drawtext(p, op.style, op.a, QString::fromStdString(*op.text));
            break;
        case DrawOp::Kind::clear:
            p.fillRect(target, Qt::white);
            break;
        default:
            break;
        }
    });
    p.restore();
}

} // namespace forms
