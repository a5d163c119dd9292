#pragma once

#include "aero/flightanalysis.h"
#include "shell/report/reportpictures.h"

#include <QImage>
#include <QString>
#include <optional>

class Glider;

/**
 * The designer's report as one self-contained HTML page (UTF-8, pictures embedded): the
 * main figures, every surface's panes, the analysis with its warnings, the three views (the
 * neutral point and the centre of gravity marked from above), the speed polar and the lift
 * along the span. Missing pictures are said to be missing.
 */
QString gliderReportHtml(const Glider& glider, const aero::FlightAnalysis& analysis,
                         const std::optional<GliderPictures>& pictures, const QImage& polar,
                         const QImage& loading = {});

/**
 * Analyses the glider, draws its pictures and writes the report to `path` in one piece:
 * the previous file stays until the new one is complete. Needs a QApplication. False with
 * the reason in `error` when the file cannot be written.
 */
bool writeGliderReport(const Glider& glider, const QString& path, QString& error);
