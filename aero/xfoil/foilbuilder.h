#pragma once

#include "aero/xfoil/xfoilbatch.h"
#include "model/foil.h"
#include "model/outline.h"

#include <QString>

#include <string>
#include <vector>

struct FoilBuildOptions {
    std::string name;
    int points = 101;   // profile points written, importlimits::kMinPoints to Foil::kMaxPoints
    bool extend = true; // Viterna–Corrigan to ±180°
    double cdMax = 1.8;
    std::string source; // file name or NACA code, for the header
};

// Empty when the point count and the extension's cd max are within the import's limits; else
// the French reason.
std::string checkBuildOptions(const FoilBuildOptions& options);

/**
 * The simulator's foil from a normalised outline and the runs: `cm0` and `alpha0` (degrees)
 * from the run nearest Reynolds 200,000, the repanelled points, one polar per successful run in
 * ascending Reynolds number, extended if asked, with the loader's sentinels around them (as
 * loadFoil gives). Fills `headerLines` (when not null) with how the file was made.
 * Throws std::runtime_error (French text) when no run gave a point.
 */
Foil buildFoil(const Outline& normalised, const std::vector<XfoilRun>& runs,
               const FoilBuildOptions& options, const XfoilSettings& settings,
               std::vector<std::string>* headerLines);

// The version xfoil announces, e.g. "6.99"; empty when it cannot be run or does not say.
QString xfoilVersion(const QString& program);
