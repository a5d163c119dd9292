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
};

inline constexpr double kTailEfficiency = 0.9;

/**
 * Neutral point and tail volumes from the planforms (the fuselage left out). The static
 * margin is for centreX, the glider's own centre of gravity along the file's x.
 */
Stability stabilityOf(const Planform& wing, const std::optional<Planform>& stabiliser,
                      const std::optional<Planform>& fin, double centreX);

} // namespace aero
