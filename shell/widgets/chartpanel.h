#pragma once

#include <QChartView>
#include <QColor>
#include <QList>
#include <QPointF>
#include <QString>
#include <vector>

class QValueAxis;

// One curve of a chart, in axis units, drawn as a line or as marked points.
struct ChartCurve {
    enum class Style { Line, Markers };
    QString name; // legend entry; empty keeps the curve out of the legend
    QList<QPointF> points;
    QColor color;
    Style style = Style::Line;
};

/**
 * A chart of curves over two value axes that fit whatever it is given; points that are not
 * finite are left out. Made for the airfoil polars and the speed polar alike.
 */
class CChartPanel : public QChartView {
    Q_OBJECT
public:
    CChartPanel(const QString& title, const QString& xTitle, const QString& yTitle,
                QWidget* parent = nullptr);

    void setCurves(const std::vector<ChartCurve>& curves);
    void clearCurves() { setCurves({}); }

    QValueAxis* xAxis() const { return xAxis_; }
    QValueAxis* yAxis() const { return yAxis_; }

private:
    QValueAxis* xAxis_ = nullptr;
    QValueAxis* yAxis_ = nullptr;
};

// A colour for the curve at `index`, distinct from its neighbours'.
QColor curveColor(int index);
