#pragma once
// Picture box: a control that shows a drawing surface.

#include "forms/surface.h"

#include <QWidget>

#include <string_view>

namespace forms {

class Form;

class PictureBox final : public QWidget, public Surface {
public:
    PictureBox(Form* form, std::string_view name);
    // Both ways of painting: the display list into a rectangle, the widget.
    using QWidget::render;
    using Surface::render;

protected:
    void paintEvent(QPaintEvent*) override;
    void changed() override { update(); }
};

} // namespace forms
