#pragma once

#include "model/angles.h"

// Still sea-level air and gravity, the conditions every performance figure is given for.
namespace aero {

inline constexpr double kAirDensity = 1.225;           // kg/m³
inline constexpr double kKinematicViscosity = 1.46e-5; // m²/s
inline constexpr double kGravity = 9.81;               // m/s²
inline constexpr double kPi = 3.14159265358979323846;
// The model's own factor, named here too for the analysis's code.
using ::kDegreesPerRadian;

} // namespace aero
