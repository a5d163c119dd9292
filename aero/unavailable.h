#pragma once

#include <string>

namespace aero {

// Why a group of figures cannot be computed.
enum class Unavailable {
    NoWing,
    NoWeight,
    NegativeWeight,
    MassWithoutShape,
    NoWingPolars,
    NoTailPolars,
    NoLift,
    NoLattice,
};

// The user's words for it, in UTF-8.
std::string unavailableText(Unavailable why);

} // namespace aero
