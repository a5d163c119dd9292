#pragma once

#include "aero/foilpolars.h"
#include "aero/gliderlattice.h"
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
    // The lattice about that centre: the lift spread strip by strip, the induced drag from the
    // Trefftz plane and the trim from its moments. Without it, the closed forms.
    const GliderLattice* lattice = nullptr;
};

// One point of the speed polar: m/s, m/s (positive down), glide ratio, wing lift coefficient.
struct SpeedPoint {
    double speed = 0;
    double sink = 0;
    double glide = 0;
    double cl = 0;
};

// The glider flying with no elevator at its file incidences and centre of gravity.
struct TrimPoint {
    double alpha = 0; // radians
    double cl = 0;
    double speed = 0;
    double sink = 0;
    double glide = 0;
};

// Why it does not fly so: no stable balance, a balance at no lift or none before the stall.
enum class NoTrim { Unstable, NoseDown, NoseUp };

// The lift along one surface's span at one flight condition, strips in rising y: local lift
// coefficient, chord times it (m) and the airfoil's highest lift at the strip's Reynolds number.
struct SpanLoading {
    Part part = Part::Wing;
    double halfSpan = 0;
    std::vector<double> y, cl, chordCl, clMax;
};

// Where the local lift first reaches the airfoil's maximum; at the tip when beyond 60 % of
// the wing's half span.
struct StallStart {
    Part part = Part::Wing;
    double y = 0;
    bool atTip = false;
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

    // From the lattice only.
    std::optional<TrimPoint> trim;
    std::optional<NoTrim> noTrim;
    std::vector<SpanLoading> loadingAtTrim;
    std::vector<SpanLoading> loadingAtStall;
    std::optional<StallStart> stallStart;       // at the stall speed
    std::optional<StallStart> stallStartAtTrim; // the strip nearest its maximum at trim
};

// The part of the half span beyond which a stall starts "at the tip".
inline constexpr double kTipStallFraction = 0.6;

/**
 * The speed polar in still sea-level air: the wing's profile drag strip by strip at each
 * strip's Reynolds number, its induced drag, the tails' profile drag at zero lift, the
 * stabiliser's induced drag from the lift it carries in pitch trim, and the fuselage's
 * skin friction.
 */
std::variant<Performance, Unavailable> performanceOf(const Glider& glider,
                                                     const PerformanceOptions& options);

} // namespace aero
