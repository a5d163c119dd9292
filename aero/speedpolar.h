#pragma once

#include "aero/foilpolars.h"
#include "aero/planform.h"
#include "aero/unavailable.h"

#include <optional>
#include <variant>
#include <vector>

namespace aero {

// The drag parts that may be left out, as the Divers page's check boxes choose.
struct DragParts {
    bool wingInduced = true;
    bool stabiliserInduced = true;
    bool fuselage = true;
};

struct PerformanceOptions {
    DragParts parts;
    std::optional<double> spanEfficiency; // overrides the estimate
    double centreX = 0;                   // the glider's own centre of gravity, file frame
};

// One point of the speed polar: m/s, m/s (positive down), glide ratio, wing lift coefficient.
struct SpeedPoint {
    double speed = 0;
    double sink = 0;
    double glide = 0;
    double cl = 0;
};

struct Performance {
    double spanEfficiency = 0;
    double maxLift = 0; // C_L,max of the wing
    double stallSpeed = 0;
    double bestGlide = 0;
    double bestGlideSpeed = 0;
    double minSink = 0;
    double minSinkSpeed = 0;
    std::vector<SpeedPoint> polar; // from the stall to three times its speed
};

/**
 * The speed polar in still sea-level air: the wing's profile drag strip by strip at each
 * strip's Reynolds number, its induced drag, the tails' profile drag at zero lift, the
 * stabiliser's induced drag from the lift it carries in pitch trim, and the fuselage's
 * skin friction.
 */
std::variant<Performance, Unavailable> performanceOf(const Glider& glider,
                                                     const PerformanceOptions& options);

} // namespace aero
