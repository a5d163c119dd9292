#include "shell/report/speedpolarchart.h"

#include "shell/report/analysisfigures.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QSaveFile>
#include <QScatterSeries>
#include <QSvgGenerator>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr int kExportWidth = 900;
constexpr int kExportHeight = 900;

struct Mark {
    QString name;
    double speed;
    double value;
    QColor color;
};

const QColor kCurveColor(0x1f, 0x5f, 0xa8);
const QColor kBestGlideColor(0xd9, 0x6a, 0x00);
const QColor kMinSinkColor(0x2e, 0x8b, 0x3e);

std::unique_ptr<QChart> chartOf(const aero::Performance& p, const QString& title,
                                const QString& valueTitle, double (*value)(const aero::SpeedPoint&),
                                const QList<Mark>& marks, bool downwards, FigureTexts texts) {
    auto chart = std::make_unique<QChart>();
    chart->setTitle(title);
    auto* curve = new QLineSeries;
    curve->setName(valueTitle);
    curve->setPen(QPen(kCurveColor, 2));
    double top = 0;
    for (const aero::SpeedPoint& point : p.polar) {
        curve->append(point.speed * kKmhPerMs, value(point));
        top = std::max(top, value(point));
    }
    chart->addSeries(curve);
    for (const Mark& mark : marks) {
        auto* dot = new QScatterSeries;
        dot->setName(mark.name);
        dot->setMarkerSize(9);
        dot->setColor(mark.color);
        dot->setBorderColor(mark.color);
        dot->append(mark.speed * kKmhPerMs, mark.value);
        chart->addSeries(dot);
    }
    auto* speedAxis = new QValueAxis;
    speedAxis->setTitleText(
        figureText(QT_TRANSLATE_NOOP("AnalysisFigures", "Vitesse (km/h)"), texts));
    speedAxis->setRange(0, std::ceil(p.polar.back().speed * kKmhPerMs / 10) * 10);
    speedAxis->setLabelFormat(QStringLiteral("%.0f"));
    auto* valueAxis = new QValueAxis;
    valueAxis->setTitleText(valueTitle);
    valueAxis->setRange(0, top > 0 ? top * 1.05 : 1);
    valueAxis->applyNiceNumbers();
    speedAxis->applyNiceNumbers();
    valueAxis->setReverse(downwards);
    chart->addAxis(speedAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : chart->series()) {
        series->attachAxis(speedAxis);
        series->attachAxis(valueAxis);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

// The two charts laid out in a scene of their own, ready to be painted at any size.
class ChartPage {
public:
    ChartPage(const aero::Performance& p, QSizeF size, FigureTexts texts) : size_(size) {
        const qreal half = size.height() / 2;
        QChart* sink = makeSinkChart(p, texts).release();
        QChart* glide = makeGlideChart(p, texts).release();
        scene_.addItem(sink);
        scene_.addItem(glide);
        sink->setGeometry(0, 0, size.width(), half);
        glide->setGeometry(0, half, size.width(), half);
        for (QChart* chart : {sink, glide})
            chart->layout()->activate();
    }

    void paint(QPainter& painter, const QRectF& target) {
        scene_.render(&painter, target, QRectF(QPointF(0, 0), size_));
    }

private:
    QGraphicsScene scene_; // owns the charts
    QSizeF size_;
};

} // namespace

std::unique_ptr<QChart> makeSinkChart(const aero::Performance& p, FigureTexts texts) {
    const auto text = [texts](const char* source) { return figureText(source, texts); };
    return chartOf(
        p, text(QT_TRANSLATE_NOOP("AnalysisFigures", "Polaire des vitesses")),
        text(QT_TRANSLATE_NOOP("AnalysisFigures", "Taux de chute (m/s)")),
        [](const aero::SpeedPoint& s) { return s.sink; },
        {{text(QT_TRANSLATE_NOOP("AnalysisFigures", "Chute mini")), p.minSinkSpeed, p.minSink,
          kMinSinkColor},
         {text(QT_TRANSLATE_NOOP("AnalysisFigures", "Finesse max")), p.bestGlideSpeed,
          p.bestGlideSpeed / p.bestGlide, kBestGlideColor}},
        true, texts);
}

std::unique_ptr<QChart> makeGlideChart(const aero::Performance& p, FigureTexts texts) {
    const auto text = [texts](const char* source) { return figureText(source, texts); };
    return chartOf(
        p, text(QT_TRANSLATE_NOOP("AnalysisFigures", "Finesse")),
        text(QT_TRANSLATE_NOOP("AnalysisFigures", "Finesse")),
        [](const aero::SpeedPoint& s) { return s.glide; },
        {{text(QT_TRANSLATE_NOOP("AnalysisFigures", "Finesse max")), p.bestGlideSpeed, p.bestGlide,
          kBestGlideColor}},
        false, texts);
}

QImage polarChartsImage(const aero::Performance& p, int width, int height, FigureTexts texts) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    ChartPage page(p, QSizeF(width, height), texts);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    page.paint(painter, QRectF(0, 0, width, height));
    return image;
}

bool savePolarChartsPng(const aero::Performance& p, const QString& path) {
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           polarChartsImage(p, kExportWidth, kExportHeight, FigureTexts::Interface)
               .save(&file, "PNG") &&
           file.commit();
}

bool savePolarChartsSvg(const aero::Performance& p, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(QSize(kExportWidth, kExportHeight));
        svg.setViewBox(QRect(0, 0, kExportWidth, kExportHeight));
        svg.setTitle(figureText(QT_TRANSLATE_NOOP("AnalysisFigures", "Polaire des vitesses"),
                                FigureTexts::Interface));
        ChartPage page(p, QSizeF(kExportWidth, kExportHeight), FigureTexts::Interface);
        QPainter painter;
        if (!painter.begin(&svg))
            return false;
        page.paint(painter, QRectF(0, 0, kExportWidth, kExportHeight));
        painter.end();
    }
    return file.commit();
}
