#include "shell/widgets/profileview.h"

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <algorithm>
#include <cmath>

CProfileView::CProfileView(QWidget* parent) : QWidget(parent) {
    setMinimumSize(200, 80);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void CProfileView::setOutline(const QList<QPointF>& points) {
    outline_.clear();
    for (const QPointF& point : points)
        if (std::isfinite(point.x()) && std::isfinite(point.y()))
            outline_.append(point);
    update();
}

void CProfileView::paintEvent(QPaintEvent*) {
    if (outline_.size() < 2)
        return;
    QRectF bounds(outline_.front(), QSizeF(0, 0));
    for (const QPointF& point : outline_)
        bounds |= QRectF(point, QSizeF(0, 0));
    bounds |= QRectF(0, 0, 1, 0); // the chord line
    const double margin = 12;
    const double width = std::max(1.0, this->width() - 2 * margin);
    const double height = std::max(1.0, this->height() - 2 * margin);
    const double scale =
        std::min(width / std::max(bounds.width(), 1e-9), height / std::max(bounds.height(), 1e-9));
    // Centred, y up.
    const double left = margin + (width - bounds.width() * scale) / 2 - bounds.left() * scale;
    const double top = margin + (height - bounds.height() * scale) / 2 + bounds.bottom() * scale;
    auto map = [&](const QPointF& point) {
        return QPointF(left + point.x() * scale, top - point.y() * scale);
    };

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawLine(map({0, 0}), map({1, 0}));

    QPainterPath path(map(outline_.front()));
    for (const QPointF& point : outline_)
        path.lineTo(map(point));
    painter.setPen(QPen(palette().color(QPalette::Text), 1.5));
    painter.drawPath(path);
    painter.setBrush(palette().color(QPalette::Highlight));
    painter.setPen(Qt::NoPen);
    for (const QPointF& point : outline_)
        painter.drawEllipse(map(point), 1.8, 1.8);
}
