#pragma once

#include "aero/planform.h"
#include "aero/vortexlattice.h"

#include <optional>

namespace aero {

/**
 * The glider's lifting surfaces as one vortex lattice (wing and stabiliser both halves, fin
 * alone, each at its file incidence, camber from its airfoil's outline), moments about the
 * glider's centre of gravity, coefficients on the wing's area and mean chord, plus the
 * fuselage's pitching moment.
 *
 * Fuselage: Multhopp's strip method (NACA TM 1036 as the USAF DATCOM uses it), per radian on
 * S·c̄: ΔC_mα = (π/2)·Σ w(x)²·(dβ/dα)(x)·Δx / (S·c̄), w the body's width at x and β the
 * local flow angle. Ahead of and behind the wing's root chord, dβ/dα = 1 + the upwash the
 * lattice's wing induces on the body's axis per radian of α (kept between 0 and 3, the range
 * of Multhopp's charts); over the root chord the wing carries the body, dβ/dα = 0. The body
 * is taken as aligned with the flow at α = 0, so it adds no moment there.
 */
struct GliderLattice {
    VortexLattice lattice;
    double centreX = 0;
    double meanChord = 0;
    double fuselageMomentSlope = 0; // ΔC_mα of the fuselage
    bool hasElevator = false;

    double liftSlope() const { return lattice.lift().perAlpha; }
    double momentSlope() const { return lattice.moment().perAlpha + fuselageMomentSlope; }
    double neutralPointX() const { return centreX - meanChord * momentSlope() / liftSlope(); }

    // Angle of attack and elevator at which the glider flies at lift coefficient cl with no
    // pitching moment about its centre of gravity; without a stabiliser, the angle alone.
    struct Attitude {
        double alpha = 0;
        double elevator = 0;
    };
    Attitude trimmedAt(double cl) const;
    // The angle where the moment is zero with the file's incidences (elevator 0); nullopt
    // when the moment does not change with α.
    std::optional<double> untrimmedBalance() const;
};

struct LatticeSettings {
    LatticeResolution resolution;
    bool fuselage = true;
};

// Nullopt when the lattice cannot be solved (no usable wing pane, a degenerate layout).
std::optional<GliderLattice> gliderLattice(const Glider& glider, const Planform& wing,
                                           double centreX, const LatticeSettings& settings);

} // namespace aero
