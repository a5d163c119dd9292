#pragma once

#include "aero/speedpolar.h"
#include "shell/report/analysisfigures.h"

#include <QImage>
#include <QString>
#include <memory>

class QChart;

// The sink rate against speed (sink downwards), best glide and minimum sink marked.
std::unique_ptr<QChart> makeSinkChart(const aero::Performance& performance, FigureTexts texts);
// The glide ratio against speed.
std::unique_ptr<QChart> makeGlideChart(const aero::Performance& performance, FigureTexts texts);

// Both charts one above the other, drawn afresh at the given size. Need a QApplication.
QImage polarChartsImage(const aero::Performance& performance, int width, int height,
                        FigureTexts texts);
// The charts the editor shows, into a picture file; false when it cannot be written.
bool savePolarChartsPng(const aero::Performance& performance, const QString& path);
bool savePolarChartsSvg(const aero::Performance& performance, const QString& path);
