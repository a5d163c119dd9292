#include "aero/stability.h"

#include "aero/units.h"

#include <cmath>

namespace aero {

double liftSlope(double ar) {
    return 2 * kPi * ar / (2 + std::sqrt(ar * ar + 4));
}

Stability stabilityOf(const Planform& wing, const std::optional<Planform>& stabiliser,
                      const std::optional<Planform>& fin, double centreX) {
    Stability s;
    const double wingAc = wing.aerodynamicCentreX();
    s.neutralPointX = wingAc;
    double tailAc = wingAc;
    if (stabiliser) {
        const double cos2 = std::pow(std::cos(stabiliser->meanDihedral), 2);
        tailAc = stabiliser->aerodynamicCentreX();
        s.horizontalTailArea = stabiliser->area * cos2;
        s.verticalTailArea = stabiliser->area * (1 - cos2);
        s.horizontalLever = tailAc - wingAc;
        s.horizontalVolume =
            s.horizontalTailArea * s.horizontalLever / (wing.area * wing.meanChord);
        const double aw = liftSlope(wing.aspectRatio);
        const double at = liftSlope(stabiliser->aspectRatio);
        const double downwash = 2 * aw / (kPi * wing.aspectRatio);
        s.neutralPointX = wingAc + wing.meanChord * kTailEfficiency * s.horizontalVolume *
                                       (at / aw) * (1 - downwash);
    }
    // A V-tail without a fin takes its side force at the stabiliser's centre.
    const double finAc = fin ? fin->aerodynamicCentreX() : tailAc;
    if (fin)
        s.verticalTailArea += fin->area;
    s.verticalLever = s.verticalTailArea > 0 ? finAc - wingAc : 0;
    s.verticalVolume = s.verticalTailArea * s.verticalLever / (wing.area * wing.span);
    s.staticMargin = (s.neutralPointX - centreX) / wing.meanChord;
    return s;
}

} // namespace aero
