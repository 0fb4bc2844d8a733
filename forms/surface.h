#pragma once
// A drawing surface with the operations the windows draw with: user scale,
// font by name, set point (which also moves the text position), lines from the
// current point, text printed at the current point, clear. It keeps a display
// list of the operations in user coordinates; the picture box paints it and the
// printer prints it, and tests read it.

#include <QPainter>

#include <string>
#include <string_view>
#include <vector>

namespace forms {

struct DrawOp {
    enum class Kind { scale, font, point, line, text, clear };
    Kind kind;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // scale: the corners; point: x1, y1;
                                           // line: from (x1, y1) to (x2, y2)
    std::string text;                      // font name or printed text
};

class Surface {
public:
    virtual ~Surface() = default;

    void scale(double left, double top, double right, double bottom);
    void fontname(std::string_view name);
    // Sets a point: draws a one-pixel dot and moves the current point there.
    void pset(double x, double y);
    // Moves the current point without drawing.
    void moveto(double x, double y);
    // Line from the current point to a point given relative to it; the end
    // becomes the current point.
    void linerel(double dx, double dy);
    // Line between two points; the end becomes the current point.
    void line(double x1, double y1, double x2, double y2);
    // Prints text at the current point; the point moves to the start of the next
    // text line.
    void print(std::string_view text);
    // Sets a point and prints from it, the way every text is placed.
    void printat(double x, double y, std::string_view text) {
        pset(x, y);
        print(text);
    }
    void cls();

    double currentx() const { return cx_; }
    double currenty() const { return cy_; }
    const std::vector<DrawOp>& ops() const { return ops_; }
    // The texts printed, each with the point it was printed at (for tests).
    struct PrintedText {
        double x, y;
        std::string text;
    };
    std::vector<PrintedText> texts() const;

    // Text of the "system" font is sized for the screen or for a printed page.
    enum class Medium { screen, paper };
    // Paints the display list into the rectangle target of a painter.
    void render(QPainter& p, const QRectF& target, Medium medium = Medium::screen) const;
    // Where the texts of a display list (this surface's or a printed page's)
    // land when painted into target on a device of pix device pixels to a
    // 96-DPI pixel: the rectangle each text's line takes and the part its
    // glyphs cover (for tests and measurement).
    struct PlacedText {
        QRectF line, ink;
        std::string text;
    };
    static std::vector<PlacedText> placedtexts(const std::vector<DrawOp>& ops, const QRectF& target,
                                               Medium medium, double pix = 1);

protected:
    virtual void changed() {}
    // Forgets everything drawn and set: list, point, scale and font.
    void reset();

private:
    void add(DrawOp op);
    double lineheight() const;
    std::vector<DrawOp> ops_;
    double cx_ = 0, cy_ = 0;
    double sl_ = 0, st_ = 0, sr_ = 0, sb_ = 0; // current scale (0 = pixels)
    bool scaled_ = false;
    std::string font_;
};

} // namespace forms
