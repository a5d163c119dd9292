#include "shell/widgets/chartpanel.h"

#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

struct Range {
    double min = std::numeric_limits<double>::infinity();
    double max = -std::numeric_limits<double>::infinity();

    void take(double value) {
        min = std::min(min, value);
        max = std::max(max, value);
    }
    bool empty() const { return min > max; }
};

void fitAxis(QValueAxis* axis, Range range) {
    if (range.empty())
        range = {0, 1};
    double margin = (range.max - range.min) * 0.05;
    if (margin == 0)
        margin = std::max(std::abs(range.max) * 0.1, 0.1);
    axis->setRange(range.min - margin, range.max + margin);
    axis->applyNiceNumbers();
}

QXYSeries* makeSeries(const ChartCurve& curve) {
    if (curve.style == ChartCurve::Style::Markers) {
        auto* scatter = new QScatterSeries;
        scatter->setMarkerSize(6);
        scatter->setColor(curve.color);
        scatter->setBorderColor(curve.color);
        return scatter;
    }
    auto* line = new QLineSeries;
    QPen pen(curve.color);
    pen.setWidthF(1.5);
    line->setPen(pen);
    return line;
}

} // namespace

CChartPanel::CChartPanel(const QString& title, const QString& xTitle, const QString& yTitle,
                         QWidget* parent)
    : QChartView(parent) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    xAxis_ = new QValueAxis;
    xAxis_->setTitleText(xTitle);
    yAxis_ = new QValueAxis;
    yAxis_->setTitleText(yTitle);
    chart->addAxis(xAxis_, Qt::AlignBottom);
    chart->addAxis(yAxis_, Qt::AlignLeft);
    setChart(chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(240, 200);
    fitAxis(xAxis_, {});
    fitAxis(yAxis_, {});
}

void CChartPanel::setCurves(const std::vector<ChartCurve>& curves) {
    chart()->removeAllSeries();
    Range xs;
    Range ys;
    for (const ChartCurve& curve : curves) {
        QList<QPointF> points;
        points.reserve(curve.points.size());
        for (const QPointF& point : curve.points) {
            if (!std::isfinite(point.x()) || !std::isfinite(point.y()))
                continue;
            points.append(point);
            xs.take(point.x());
            ys.take(point.y());
        }
        QXYSeries* series = makeSeries(curve);
        series->setName(curve.name);
        series->replace(points);
        chart()->addSeries(series);
        series->attachAxis(xAxis_);
        series->attachAxis(yAxis_);
        if (curve.name.isEmpty())
            for (QLegendMarker* marker : chart()->legend()->markers(series))
                marker->setVisible(false);
    }
    fitAxis(xAxis_, xs);
    fitAxis(yAxis_, ys);
}

QColor curveColor(int index) {
    static const QColor palette[] = {
        QColor(31, 119, 180),  QColor(214, 39, 40), QColor(44, 160, 44),   QColor(255, 127, 14),
        QColor(148, 103, 189), QColor(140, 86, 75), QColor(227, 119, 194), QColor(127, 127, 127)};
    constexpr int count = sizeof(palette) / sizeof(palette[0]);
    return palette[((index % count) + count) % count];
}
