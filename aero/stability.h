#pragma once

#include "aero/planform.h"

#include <optional>

namespace aero {

// Lift slope per radian of a wing of aspect ratio ar.
double liftSlope(double ar);

struct Stability {
    double neutralPointX = 0; // file frame
    double staticMargin = 0;  // fraction of the wing's mean chord
    double horizontalTailArea = 0;
    double verticalTailArea = 0;
    double horizontalLever = 0;
    double verticalLever = 0;
    double horizontalVolume = 0;
    double verticalVolume = 0;

    // From the vortex lattice when it could be solved (the neutral point and margin then are
    // its own), per radian on the wing's area and mean chord, the moment about the centre of
    // gravity, the fuselage's share included unless left out.
    bool fromLattice = false;
    int panelCount = 0;
    double liftSlope = 0;
    double momentSlope = 0;
    double fuselageMomentSlope = 0;
};

inline constexpr double kTailEfficiency = 0.9;

/**
 * Neutral point and tail volumes from the planforms (the fuselage left out). The static
 * margin is for centreX, the glider's own centre of gravity along the file's x.
 */
Stability stabilityOf(const Planform& wing, const std::optional<Planform>& stabiliser,
                      const std::optional<Planform>& fin, double centreX);

} // namespace aero
