#include "aero/spanefficiency.h"

#include "aero/units.h"

#include <algorithm>
#include <cmath>

namespace aero {

double spanEfficiency(const Planform& wing, double fuselageDiameter) {
    const double taper = wing.rootChord > 0 ? wing.tipChord / wing.rootChord : 1;
    const double sweepDegrees = std::abs(wing.quarterChordSweep) * kDegreesPerRadian;
    const double x = taper - (-0.357 + 0.45 * std::exp(0.0375 * sweepDegrees));
    const double f = (((0.0524 * x - 0.15) * x + 0.1659) * x - 0.0706) * x + 0.0119;
    double e = 1 / (1 + std::max(f, 0.0) * wing.aspectRatio);
    if (wing.span > 0)
        e *= 1 - 2 * std::pow(fuselageDiameter / wing.span, 2);
    return std::isfinite(e) ? std::clamp(e, 0.5, 1.0) : 1.0;
}

} // namespace aero
