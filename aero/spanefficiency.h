#pragma once

#include "aero/planform.h"

namespace aero {

/**
 * Span efficiency e of a wing, for the induced drag C_L² / (π·e·AR).
 *
 * The estimate follows Hoerner's fit of lifting-line results for straight tapered wings,
 * as D. Scholz ("Estimating the Oswald factor from basic aircraft geometrical
 * parameters", 2012) writes it: e = 1 / (1 + f(λ − Δλ)·AR), with λ the tip-to-root chord
 * ratio, Δλ = −0.357 + 0.45·exp(0.0375·φ) for a quarter-chord sweep φ in degrees, and
 * f(x) = 0.0524x⁴ − 0.15x³ + 0.1659x² − 0.0706x + 0.0119. A fuselage of largest diameter d
 * on a span b takes the factor 1 − 2(d/b)². The result is kept between 0.5 and 1.
 */
double spanEfficiency(const Planform& wing, double fuselageDiameter);

} // namespace aero
