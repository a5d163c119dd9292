#pragma once

#include "aero/flightanalysis.h"

#include <QList>
#include <QString>

// One figure as the user reads it: its label and its value with the unit, or why it is
// missing.
struct FigureLine {
    QString label;
    QString value;
};

QList<FigureLine> analysisFigureLines(const aero::FlightAnalysis& analysis);

// Speeds are shown in km/h.
inline constexpr double kKmhPerMs = 3.6;
