#include "shell/widgets/pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kIconSize = 16;

QPixmap blankIcon() {
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void drawPage(QPainter& p, const QColor& fill) {
    const QPolygonF page{{3, 1}, {10, 1}, {13, 4}, {13, 15}, {3, 15}};
    p.setPen(QColor(60, 60, 60));
    p.setBrush(fill);
    p.drawPolygon(page);
    p.drawPolyline(QPolygonF{{10, 1}, {10, 4}, {13, 4}});
}

void drawNew(QPainter& p) {
    drawPage(p, Qt::white);
    p.setPen(QColor(230, 180, 20));
    p.drawLine(QPointF(12, 10), QPointF(15, 13));
    p.drawLine(QPointF(15, 10), QPointF(12, 13));
}

void drawOpen(QPainter& p) {
    p.setPen(QColor(120, 90, 20));
    p.setBrush(QColor(240, 200, 90));
    p.drawRect(QRectF(1, 4, 12, 10));
    p.setBrush(QColor(250, 225, 130));
    p.drawPolygon(QPolygonF{{3, 8}, {15, 8}, {13, 14}, {1, 14}});
}

void drawSave(QPainter& p) {
    p.setPen(QColor(30, 40, 90));
    p.setBrush(QColor(60, 90, 180));
    p.drawRect(QRectF(1.5, 1.5, 13, 13));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 2, 8, 5));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(4, 9.5, 8, 5));
}

void drawCut(QPainter& p) {
    p.setPen(QPen(QColor(50, 50, 50), 1.2));
    p.drawLine(QPointF(4, 1), QPointF(10, 10));
    p.drawLine(QPointF(12, 1), QPointF(6, 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(5, 12.5), 2.5, 2.5);
    p.drawEllipse(QPointF(11, 12.5), 2.5, 2.5);
}

void drawCopy(QPainter& p) {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 1.5, 8, 10));
    p.drawRect(QRectF(6.5, 4.5, 8, 10));
}

void drawPaste(QPainter& p) {
    p.setPen(QColor(90, 60, 20));
    p.setBrush(QColor(190, 140, 70));
    p.drawRect(QRectF(2.5, 2.5, 10, 12));
    p.setBrush(QColor(150, 150, 150));
    p.drawRect(QRectF(5, 1, 5, 3));
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 6.5, 8, 8));
}

void drawPrint(QPainter& p) {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7, 5));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(1.5, 6.5, 13, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7, 4));
}

void drawAbout(QPainter& p) {
    p.setPen(QColor(20, 60, 140));
    p.setBrush(QColor(70, 130, 220));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    QFont font = p.font();
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

void drawWingTab(QPainter& p) {
    p.setPen(QColor(30, 60, 120));
    p.setBrush(QColor(90, 150, 230));
    p.drawPolygon(QPolygonF{{0, 9}, {6, 6}, {10, 6}, {16, 9}, {16, 11}, {10, 9}, {6, 9}, {0, 11}});
}

void drawBodyTab(QPainter& p) {
    p.setPen(QColor(90, 60, 20));
    p.setBrush(QColor(230, 170, 80));
    QPainterPath body;
    body.moveTo(1, 8);
    body.cubicTo(3, 4, 8, 5, 15, 7);
    body.lineTo(15, 9);
    body.cubicTo(8, 11, 3, 12, 1, 8);
    p.drawPath(body);
}

void drawStabTab(QPainter& p) {
    p.setPen(QColor(30, 100, 40));
    p.setBrush(QColor(90, 190, 100));
    p.drawPolygon(QPolygonF{{1, 10}, {6, 8}, {10, 8}, {15, 10}, {15, 12}, {1, 12}});
    p.drawRect(QRectF(7, 3, 2, 5));
}

void drawFinTab(QPainter& p) {
    p.setPen(QColor(120, 30, 30));
    p.setBrush(QColor(220, 80, 70));
    p.drawPolygon(QPolygonF{{3, 14}, {8, 2}, {12, 2}, {13, 14}});
}

void drawMiscTab(QPainter& p) {
    p.setPen(QColor(70, 70, 70));
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QRectF(2, 2, 12, 12));
    p.setBrush(QColor(70, 70, 70));
    p.drawEllipse(QRectF(6, 6, 4, 4));
}

void drawGeneralTab(QPainter& p) {
    p.setPen(QColor(60, 60, 60));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(2.5, 1.5, 11, 13));
    p.setPen(QColor(40, 90, 170));
    for (int y = 4; y <= 12; y += 3)
        p.drawLine(QPointF(4.5, y + 0.5), QPointF(11.5, y + 0.5));
}

template <typename Draw> QIcon drawnIcon(Draw draw) {
    QPixmap pixmap = blankIcon();
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QIcon toolbarIcon(ToolbarImage image) {
    switch (image) {
    case ToolbarImage::New:
        return drawnIcon(drawNew);
    case ToolbarImage::Open:
        return drawnIcon(drawOpen);
    case ToolbarImage::Save:
        return drawnIcon(drawSave);
    case ToolbarImage::Cut:
        return drawnIcon(drawCut);
    case ToolbarImage::Copy:
        return drawnIcon(drawCopy);
    case ToolbarImage::Paste:
        return drawnIcon(drawPaste);
    case ToolbarImage::Print:
        return drawnIcon(drawPrint);
    case ToolbarImage::About:
        return drawnIcon(drawAbout);
    }
    return {};
}

QIcon tabIcon(int tabIndex) {
    switch (tabIndex) {
    case 0:
        return drawnIcon(drawGeneralTab);
    case 1:
        return drawnIcon(drawWingTab);
    case 2:
        return drawnIcon(drawBodyTab);
    case 3:
        return drawnIcon(drawStabTab);
    case 4:
        return drawnIcon(drawFinTab);
    case 5:
        return drawnIcon(drawMiscTab);
    default:
        return {};
    }
}

void drawGliderShape(QPainter& painter, const QRectF& area) {
    const double w = area.width();
    const double h = area.height();
    auto at = [&](double x, double y) { return QPointF(area.left() + x * w, area.top() + y * h); };
    QPolygonF wing{at(0.0, 0.36), at(0.46, 0.30), at(0.54, 0.30), at(1.0, 0.36),
                   at(1.0, 0.40), at(0.54, 0.40), at(0.46, 0.40), at(0.0, 0.40)};
    QPolygonF stab{at(0.36, 0.86), at(0.48, 0.84), at(0.52, 0.84),
                   at(0.64, 0.86), at(0.64, 0.89), at(0.36, 0.89)};
    QPainterPath body;
    body.moveTo(at(0.5, 0.05));
    body.cubicTo(at(0.55, 0.10), at(0.54, 0.30), at(0.51, 0.92));
    body.lineTo(at(0.49, 0.92));
    body.cubicTo(at(0.46, 0.30), at(0.45, 0.10), at(0.5, 0.05));
    painter.drawPolygon(wing);
    painter.drawPolygon(stab);
    painter.drawPath(body);
}

QPixmap splashPicture() {
    QPixmap pixmap(420, 260);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 260);
    sky.setColorAt(0, QColor(40, 90, 170));
    sky.setColorAt(1, QColor(170, 210, 240));
    painter.fillRect(pixmap.rect(), sky);

    painter.save();
    painter.translate(290, 95);
    painter.rotate(20);
    painter.setPen(QPen(QColor(30, 30, 40), 1));
    painter.setBrush(QColor(250, 250, 250));
    drawGliderShape(painter, QRectF(-125, -70, 250, 140));
    painter.restore();

    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPixelSize(48);
    title.setBold(true);
    painter.setFont(title);
    painter.drawText(QRectF(24, 150, 380, 60), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("kesh"));
    QFont subtitle = painter.font();
    subtitle.setPixelSize(16);
    subtitle.setBold(false);
    painter.setFont(subtitle);
    painter.drawText(QRectF(26, 205, 380, 30), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Vantair editor version 0.3"));
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}

QPixmap aboutPicture() {
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(20, 60, 140));
    painter.setBrush(QColor(200, 225, 250));
    painter.drawRoundedRect(QRectF(0.5, 0.5, 47, 47), 8, 8);
    painter.setPen(QColor(30, 30, 40));
    painter.setBrush(Qt::white);
    drawGliderShape(painter, QRectF(3, 4, 42, 40));
    return pixmap;
}
