#include "forms/picturebox.h"

#include "forms/form.h"

#include <QPaintEvent>

namespace forms {

PictureBox::PictureBox(Form* form, std::string_view name) : QWidget(form) {
    setObjectName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    setAutoFillBackground(false);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    Surface::render(p, QRectF(rect()));
}

} // namespace forms
