#include "shell/polarwindow.h"

#include "shell/report/spanloadingchart.h"
#include "shell/report/speedpolarchart.h"
#include "shell/userprompts.h"

#include <QChart>
#include <QChartView>
#include <QDir>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

CPolarWindow::CPolarWindow(UserPrompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::Window), prompts_(prompts) {
    resize(720, 960);
    auto* column = new QVBoxLayout(this);
    sinkView_ = new QChartView;
    glideView_ = new QChartView;
    loadingView_ = new QChartView;
    for (QChartView* view : {sinkView_, glideView_, loadingView_}) {
        view->setRenderHint(QPainter::Antialiasing);
        column->addWidget(view, 1);
    }
    auto* buttons = new QHBoxLayout;
    png_ = new QPushButton(tr("Exporter en PNG..."));
    svg_ = new QPushButton(tr("Exporter en SVG..."));
    buttons->addStretch(1);
    buttons->addWidget(png_);
    buttons->addWidget(svg_);
    column->addLayout(buttons);
    connect(png_, &QPushButton::clicked, this, [this] { exportAs(false); });
    connect(svg_, &QPushButton::clicked, this, [this] { exportAs(true); });
}

void CPolarWindow::setPerformance(const aero::Performance& performance, const QString& gliderName) {
    performance_ = performance;
    gliderName_ = gliderName;
    setWindowTitle(tr("Polaire des vitesses - %1").arg(gliderName));
    showChart(*sinkView_, makeSinkChart(performance, FigureTexts::Interface));
    showChart(*glideView_, makeGlideChart(performance, FigureTexts::Interface));
    auto loading = makeSpanLoadingChart(performance, false, FigureTexts::Interface);
    if (!loading)
        loading = makeSpanLoadingChart(performance, true, FigureTexts::Interface);
    loadingView_->setVisible(loading != nullptr);
    if (loading)
        showChart(*loadingView_, std::move(loading));
}

// A view owns the chart it shows but releases the one it replaces.
void CPolarWindow::showChart(QChartView& view, std::unique_ptr<QChart> chart) {
    const std::unique_ptr<QChart> previous(view.chart());
    view.setChart(chart.release());
}

void CPolarWindow::exportAs(bool svg) {
    const QString suffix = svg ? QStringLiteral("svg") : QStringLiteral("png");
    const QString filter = svg ? tr("Image SVG (*.svg);;Tous les fichiers (*.*)")
                               : tr("Image PNG (*.png);;Tous les fichiers (*.*)");
    const QString path = prompts_.saveFile(this, tr("Exporter la polaire"), filter,
                                           tr("polaire.%1").arg(suffix), suffix, true);
    if (path.isEmpty())
        return;
    const bool written =
        svg ? savePolarChartsSvg(performance_, path) : savePolarChartsPng(performance_, path);
    if (!written)
        prompts_.message(this, tr("Impossible d'écrire %1.").arg(QDir::toNativeSeparators(path)),
                         tr("Erreur"), PromptIcon::Error);
}
