#include "shell/widgets/colorbutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {
constexpr int kRelief = 2;
constexpr int kFocusInset = 4;
} // namespace

CColorButton::CColorButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CColorButton::setColor(const QColor& color) {
    color_ = color;
    update();
}

void CColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, color_);

    const bool pressed = isDown();
    const int thickness = pressed ? 1 : kRelief;
    const QColor light = color_.lighter(160);
    const QColor dark = color_.darker(200);
    const QColor topLeft = pressed ? dark : light;
    const QColor bottomRight = pressed ? light : dark;
    for (int i = 0; i < thickness; ++i) {
        const QRect r = area.adjusted(i, i, -i - 1, -i - 1);
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }

    painter.setPen(captionColor_);
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
