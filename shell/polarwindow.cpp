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
    resize(960, 960);
    auto* column = new QVBoxLayout(this);
    sinkView_ = new QChartView;
    glideView_ = new QChartView;
    loadingView_ = new QChartView;
    stallLoadingView_ = new QChartView;
    for (QChartView* view : {sinkView_, glideView_, loadingView_, stallLoadingView_})
        view->setRenderHint(QPainter::Antialiasing);
    column->addWidget(sinkView_, 1);
    column->addWidget(glideView_, 1);
    auto* loadings = new QHBoxLayout;
    loadings->addWidget(loadingView_, 1);
    loadings->addWidget(stallLoadingView_, 1);
    column->addLayout(loadings, 1);
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
    for (bool atStall : {false, true}) {
        QChartView& view = atStall ? *stallLoadingView_ : *loadingView_;
        auto loading = makeSpanLoadingChart(performance, atStall, FigureTexts::Interface);
        view.setVisible(loading != nullptr);
        if (loading)
            showChart(view, std::move(loading));
    }
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
