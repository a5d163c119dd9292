#include "shell/widgets/colorbutton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

namespace {

constexpr int kRelief = 2;
constexpr int kFocusInset = 4;

bool isDark(const QColor& color) {
    return 299 * color.red() + 587 * color.green() + 114 * color.blue() < 128 * 1000;
}

QColor mixed(const QColor& color, const QColor& with, double share) {
    const auto mix = [share](int a, int b) { return int(a + (b - a) * share + 0.5); };
    return QColor(mix(color.red(), with.red()), mix(color.green(), with.green()),
                  mix(color.blue(), with.blue()));
}

} // namespace

CColorButton::CColorButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CColorButton::setColor(const QColor& color) {
    color_ = color;
    update();
}

QColor CColorButton::captionColor() const {
    return isDark(color_) ? QColor(Qt::white) : QColor(Qt::black);
}

void CColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, color_);

    const bool pressed = isDown();
    const int thickness = pressed ? 1 : kRelief;
    // Shades mixed toward white and black, since lighter() leaves black black; on a dark
    // colour the shadow is lifted too, or it would vanish into the fill.
    const QColor light = mixed(color_, Qt::white, 0.6);
    const QColor dark =
        isDark(color_) ? mixed(color_, Qt::white, 0.25) : mixed(color_, Qt::black, 0.5);
    const QColor topLeft = pressed ? dark : light;
    const QColor bottomRight = pressed ? light : dark;
    for (int i = 0; i < thickness; ++i) {
        const QRect r = area.adjusted(i, i, -i, -i);
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }

    painter.setPen(captionColor());
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text());

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = area.adjusted(kFocusInset, kFocusInset, -kFocusInset, -kFocusInset);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}
