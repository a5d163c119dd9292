#pragma once

#include "aero/massproperties.h"
#include "aero/planform.h"
#include "aero/speedpolar.h"
#include "aero/stability.h"
#include "aero/warnings.h"

#include <optional>
#include <variant>

namespace aero {

// Every figure of a glider's analysis; a part that is missing holds why.
struct FlightAnalysis {
    std::optional<Planform> wing; // none: no wing
    std::optional<Planform> stabiliser;
    std::optional<Planform> fin;
    std::variant<MassProperties, Unavailable> balance;
    std::variant<Stability, Unavailable> stability;
    std::variant<Performance, Unavailable> performance;
    std::vector<Warning> warnings;

    const MassProperties* mass() const { return std::get_if<MassProperties>(&balance); }
    const Stability* stable() const { return std::get_if<Stability>(&stability); }
    const Performance* flight() const { return std::get_if<Performance>(&performance); }
};

struct AnalysisOptions {
    DragParts parts;
    std::optional<double> spanEfficiency;
    LatticeResolution resolution;
};

// The analysis of the glider as the model holds it; the static margin and the trim are for
// its own centre of gravity (`centrum`).
FlightAnalysis analyseGlider(const Glider& glider, const AnalysisOptions& options = {});

// The warnings an analysis of the glider calls for, in a fixed order.
std::vector<Warning> warningsOf(const Glider& glider, const FlightAnalysis& analysis);

} // namespace aero
