#pragma once

#include <string>

namespace aero {

// What the designer should look at before flying the glider.
enum class Warning {
    Unstable,     // static margin below zero
    NoseHeavy,    // static margin above 25 %
    NoTrim,       // no balanced flight at the file's incidences
    TipStall,     // the wing stalls first near its tip
    BadPane,      // a chord or a span of zero or less
    TooLarge,     // a part larger than the simulator's view
    CentreNotSet, // the centre of gravity left at zero while an estimate exists
};

// The user's words for it, in UTF-8.
std::string warningText(Warning warning);

// Static margins outside these, fractions of the mean chord, are warned about.
inline constexpr double kLowestMargin = 0;
inline constexpr double kHighestMargin = 0.25;

} // namespace aero
