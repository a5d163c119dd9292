#pragma once

#include "model/foil.h"
#include "shell/widgets/chartpanel.h"

#include <vector>

// One polar as the workshop shows it: the rows kept in the file and, when known, the points
// XFOIL gave (the rest being the extension).
struct ShownPolar {
    int reynolds = 0;
    std::vector<PolarPoint> rows;
    std::vector<PolarPoint> xfoil;
};

// Angles in degrees.
struct AngleWindow {
    double min = -180;
    double max = 180;
};

// The three polar charts' curves: lift against angle, drag against lift, lift over drag
// against angle.
struct PolarCurves {
    std::vector<ChartCurve> lift;
    std::vector<ChartCurve> drag;
    std::vector<ChartCurve> ratio;
};

// The angles worth looking at: XFOIL's range with a margin, or the attached range of the
// usual sections when no XFOIL point is known.
AngleWindow attachedWindow(const std::vector<ShownPolar>& polars);

// One line per polar through its rows inside the window, XFOIL's points marked over it in
// the same colour.
PolarCurves polarCurves(const std::vector<ShownPolar>& polars, const AngleWindow& window);
