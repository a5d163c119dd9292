#pragma once

#include "aero/speedpolar.h"

#include <QWidget>
#include <memory>

class QChart;
class QChartView;
class QPushButton;
class UserPrompts;

/**
 * The speed polar and the glide ratio against speed in a window of their own, with PNG and
 * SVG export. It shows the performance it was last given.
 */
class CPolarWindow : public QWidget {
    Q_OBJECT
public:
    CPolarWindow(UserPrompts& prompts, QWidget* parent = nullptr);

    void setPerformance(const aero::Performance& performance, const QString& gliderName);

    QChartView* sinkView() const { return sinkView_; }
    QChartView* glideView() const { return glideView_; }
    QChartView* loadingView() const { return loadingView_; }
    QChartView* stallLoadingView() const { return stallLoadingView_; }
    QPushButton* pngButton() const { return png_; }
    QPushButton* svgButton() const { return svg_; }

private:
    void exportAs(bool svg);
    static void showChart(QChartView& view, std::unique_ptr<QChart> chart);

    UserPrompts& prompts_;
    aero::Performance performance_;
    QString gliderName_;
    QChartView* sinkView_ = nullptr;
    QChartView* glideView_ = nullptr;
    QChartView* loadingView_ = nullptr;      // the lift along the span at trim
    QChartView* stallLoadingView_ = nullptr; // and at the stall
    QPushButton* png_ = nullptr;
    QPushButton* svg_ = nullptr;
};
