#pragma once

#include "aero/speedpolar.h"
#include "shell/report/analysisfigures.h"

#include <QImage>
#include <memory>

class QChart;

// The wing's lift along its span at trim (`atStall` false) or at the stall: the local lift
// coefficient with the airfoil's highest as a dashed line, and chord times lift coefficient
// on its own axis. Nullptr when there is no such loading (no trim, no lattice).
std::unique_ptr<QChart> makeSpanLoadingChart(const aero::Performance& performance, bool atStall,
                                             FigureTexts texts);

// Both loadings one above the other, drawn afresh; a null image when there is neither.
// Needs a QApplication.
QImage spanLoadingImage(const aero::Performance& performance, int width, int height,
                        FigureTexts texts);
