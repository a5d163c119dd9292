#include "aero/flightanalysis.h"

namespace aero {

FlightAnalysis analyseGlider(const Glider& glider, const AnalysisOptions& options) {
    FlightAnalysis a{planformOf(glider, Part::Wing),
                     planformOf(glider, Part::Stabiliser),
                     planformOf(glider, Part::Fin),
                     massProperties(glider),
                     Unavailable::NoWing,
                     Unavailable::NoWing};
    const double centreX = glider.fileCentrum()[0];
    if (a.wing)
        a.stability = stabilityOf(*a.wing, a.stabiliser, a.fin, centreX);
    PerformanceOptions flight;
    flight.parts = options.parts;
    flight.spanEfficiency = options.spanEfficiency;
    flight.centreX = centreX;
    a.performance = performanceOf(glider, flight);
    return a;
}

} // namespace aero
