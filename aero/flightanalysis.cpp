#include "aero/flightanalysis.h"

namespace aero {

FlightAnalysis analyseGlider(const Glider& glider, const AnalysisOptions& options) {
    FlightAnalysis a{planformOf(glider, Part::Wing),
                     planformOf(glider, Part::Stabiliser),
                     planformOf(glider, Part::Fin),
                     massProperties(glider),
                     Unavailable::NoWing,
                     Unavailable::NoWing,
                     {}};
    // The model holds the centre's x negated.
    const double centreX = -double(glider.centrum[0]);
    std::optional<GliderLattice> lattice;
    if (a.wing) {
        Stability s = stabilityOf(*a.wing, a.stabiliser, a.fin, centreX);
        lattice =
            gliderLattice(glider, *a.wing, centreX, {options.resolution, options.parts.fuselage});
        if (lattice) {
            s.fromLattice = true;
            s.panelCount = lattice->lattice.panelCount();
            s.liftSlope = lattice->liftSlope();
            s.momentSlope = lattice->momentSlope();
            s.fuselageMomentSlope = lattice->fuselageMomentSlope;
            s.neutralPointX = lattice->neutralPointX();
            s.staticMargin = (s.neutralPointX - centreX) / a.wing->meanChord;
        }
        a.stability = s;
    }
    PerformanceOptions flight;
    flight.parts = options.parts;
    flight.spanEfficiency = options.spanEfficiency;
    flight.centreX = centreX;
    flight.lattice = lattice ? &*lattice : nullptr;
    a.performance = performanceOf(glider, flight);
    a.warnings = warningsOf(glider, a);
    return a;
}

} // namespace aero
