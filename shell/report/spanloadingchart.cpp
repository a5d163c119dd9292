#include "shell/report/spanloadingchart.h"

#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

const QColor kLiftColor(0x1f, 0x5f, 0xa8);
const QColor kMaxColor(0xc0, 0x30, 0x30);
const QColor kChordLiftColor(0x2e, 0x8b, 0x3e);

const aero::SpanLoading* wingLoading(const std::vector<aero::SpanLoading>& loadings) {
    for (const aero::SpanLoading& l : loadings)
        if (l.part == aero::Part::Wing && !l.y.empty())
            return &l;
    return nullptr;
}

QLineSeries* seriesOf(const QString& name, const std::vector<double>& y,
                      const std::vector<double>& values, QPen pen) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPen(pen);
    for (std::size_t i = 0; i < y.size(); ++i)
        series->append(y[i], values[i]);
    return series;
}

double highest(const std::vector<double>& values) {
    double top = 0;
    for (double v : values)
        top = std::max(top, std::isfinite(v) ? v : 0.0);
    return top;
}

} // namespace

std::unique_ptr<QChart> makeSpanLoadingChart(const aero::Performance& p, bool atStall,
                                             FigureTexts texts) {
    const aero::SpanLoading* loading = wingLoading(atStall ? p.loadingAtStall : p.loadingAtTrim);
    if (!loading)
        return nullptr;
    const auto text = [texts](const char* source) { return figureText(source, texts); };
    auto chart = std::make_unique<QChart>();
    chart->setTitle(
        atStall
            ? text(QT_TRANSLATE_NOOP("AnalysisFigures", "Portance le long de l'aile au décrochage"))
            : text(QT_TRANSLATE_NOOP("AnalysisFigures",
                                     "Portance le long de l'aile en vol équilibré")));
    QLineSeries* cl = seriesOf(text(QT_TRANSLATE_NOOP("AnalysisFigures", "cl local")), loading->y,
                               loading->cl, QPen(kLiftColor, 2));
    QPen dashed(kMaxColor, 1.5);
    dashed.setStyle(Qt::DashLine);
    QLineSeries* clMax = seriesOf(text(QT_TRANSLATE_NOOP("AnalysisFigures", "cl max du profil")),
                                  loading->y, loading->clMax, dashed);
    QLineSeries* chordCl = seriesOf(text(QT_TRANSLATE_NOOP("AnalysisFigures", "corde × cl (m)")),
                                    loading->y, loading->chordCl, QPen(kChordLiftColor, 2));
    for (QLineSeries* s : {cl, clMax, chordCl})
        chart->addSeries(s);

    auto* spanAxis = new QValueAxis;
    spanAxis->setTitleText(text(QT_TRANSLATE_NOOP("AnalysisFigures", "y (m)")));
    const double half = loading->halfSpan > 0 ? loading->halfSpan : 1;
    spanAxis->setRange(-half, half);
    spanAxis->applyNiceNumbers();
    auto* liftAxis = new QValueAxis;
    liftAxis->setTitleText(text(QT_TRANSLATE_NOOP("AnalysisFigures", "cl")));
    liftAxis->setRange(0, std::max(highest(loading->cl), highest(loading->clMax)) * 1.1 + 1e-3);
    liftAxis->applyNiceNumbers();
    auto* chordAxis = new QValueAxis;
    chordAxis->setTitleText(text(QT_TRANSLATE_NOOP("AnalysisFigures", "corde × cl (m)")));
    chordAxis->setRange(0, highest(loading->chordCl) * 1.1 + 1e-4);
    chordAxis->applyNiceNumbers();
    chart->addAxis(spanAxis, Qt::AlignBottom);
    chart->addAxis(liftAxis, Qt::AlignLeft);
    chart->addAxis(chordAxis, Qt::AlignRight);
    for (QLineSeries* s : {cl, clMax, chordCl})
        s->attachAxis(spanAxis);
    cl->attachAxis(liftAxis);
    clMax->attachAxis(liftAxis);
    chordCl->attachAxis(chordAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QImage spanLoadingImage(const aero::Performance& p, int width, int height, FigureTexts texts) {
    std::vector<std::unique_ptr<QChart>> charts;
    for (bool atStall : {false, true})
        if (auto chart = makeSpanLoadingChart(p, atStall, texts))
            charts.push_back(std::move(chart));
    if (charts.empty())
        return {};
    const int each = height / 2;
    QImage image(width, each * int(charts.size()), QImage::Format_RGB32);
    image.fill(Qt::white);
    QGraphicsScene scene;
    for (std::size_t i = 0; i < charts.size(); ++i) {
        QChart* chart = charts[i].release();
        scene.addItem(chart);
        chart->setGeometry(0, qreal(i) * each, width, each);
        chart->layout()->activate();
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.render(&painter, QRectF(0, 0, image.width(), image.height()),
                 QRectF(0, 0, image.width(), image.height()));
    return image;
}
