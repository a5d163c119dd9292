#pragma once

#include "aero/flightanalysis.h"
#include "model/angles.h"

#include <optional>
#include <string>
#include <variant>

namespace aero {

// Why the design assistant left the glider as it was.
enum class TuneRefusal {
    NoAnalysis,        // no neutral point or no speed polar to work from
    CentreOffGlider,   // the margin asked puts the centre of gravity beyond the nose or the tail
    NoStabiliser,      // nothing to trim with
    BelowStall,        // the speed asked is below the stall speed
    AbovePolar,        // or beyond the speed polar's last point
    Unstable,          // no stable balance to trim
    IncidenceTooLarge, // the stabiliser would need more than kMaxStabiliserIncidence
    NotReached,        // the analysis of the changed glider does not fly as asked
};

// The user's words for it, in UTF-8.
std::string refusalText(TuneRefusal why);

// Beyond this the stabiliser's own section would fly near its stall; radians.
inline constexpr double kMaxStabiliserIncidence = 10 * kDegreesToRadians;

struct CentreChange {
    double centreXBefore = 0; // file frame, metres
    double centreXAfter = 0;
    double marginBefore = 0; // fractions of the mean chord
    double marginAfter = 0;
    std::optional<double> trimSpeedBefore; // m/s; none when it does not trim
    std::optional<double> trimSpeedAfter;
};

struct IncidenceChange {
    double incidenceBefore = 0; // radians
    double incidenceAfter = 0;
    std::optional<double> trimSpeedBefore;
    double trimSpeedAfter = 0;
};

template <class Change> using Tuned = std::variant<Change, TuneRefusal>;

// Moves the centre of gravity along x to give the static margin asked (a fraction of the mean
// chord). The glider changes only when the analysis confirms the margin.
Tuned<CentreChange> centreForMargin(Glider& glider, double margin,
                                    const AnalysisOptions& options = {});

// Sets both stabiliser halves' incidence so the glider trims at the speed asked, in m/s, or at
// its best-glide speed; the glider changes only when the analysis confirms the trim.
Tuned<IncidenceChange> trimForSpeed(Glider& glider, double speed,
                                    const AnalysisOptions& options = {});
Tuned<IncidenceChange> trimForBestGlide(Glider& glider, const AnalysisOptions& options = {});

// How close the changed glider must come to what was asked.
inline constexpr double kMarginTolerance = 0.001;
inline constexpr double kSpeedTolerance = 0.05;

} // namespace aero
