#pragma once

#include "aero/flightanalysis.h"
#include "model/glider.h"

#include <QList>
#include <QString>

// One figure as the user reads it: its label and its value with the unit, or why it is
// missing.
struct FigureLine {
    QString label;
    QString value;
};

// The texts of the figures and charts: in the interface's language where the editor shows
// them, in French in the report, which is a file like the glider file and the sheet.
enum class FigureTexts { Interface, French };

// A text marked QT_TRANSLATE_NOOP("AnalysisFigures", ...), as `texts` asks.
QString figureText(const char* source, FigureTexts texts);

// Why a figure cannot be computed, as `texts` asks.
QString unavailableReason(aero::Unavailable why, FigureTexts texts);

// The centre of gravity is shown everywhere as the Divers page's fields hold it, so that an
// estimate reads as the value it becomes once copied: X forward from the nose.
Vec3f estimatedCentrum(const aero::MassProperties& mass);
QString centreText(const Vec3f& centrum, FigureTexts texts);

QList<FigureLine> analysisFigureLines(const aero::FlightAnalysis& analysis, FigureTexts texts);

// Speeds are shown in km/h.
inline constexpr double kKmhPerMs = 3.6;
