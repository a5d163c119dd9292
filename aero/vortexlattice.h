#pragma once

#include "aero/planform.h"

#include <memory>
#include <vector>

namespace aero {

// An airfoil's mean line, chord-normalised, read from its outline.
class MeanLine {
public:
    MeanLine() = default; // flat
    explicit MeanLine(const std::vector<FoilPoint>& outline);

    double slopeAt(double x) const; // dz/dx at chord fraction x; 0 when flat

private:
    std::vector<double> slopes_; // at the middles of equal chord steps
};

// One lifting surface as the lattice sees it: one half's panes, mirrored or not.
struct LiftingSurface {
    Part part = Part::Wing;
    std::vector<PaneShape> panes;
    bool mirrored = true; // the other half is the mirror image in y
    double incidence = 0; // radians, leading edge up
    MeanLine camber;
};

// Spanwise strips of a wing half (the tails get half as many) and chordwise panels per strip.
struct LatticeResolution {
    int spanwise = 12;
    int chordwise = 8;
};

// A quantity of the linear model: its value at zero angle of attack and zero elevator, and
// its derivatives per radian of angle of attack and of the stabiliser's incidence.
struct Linear {
    double at0 = 0;
    double perAlpha = 0;
    double perElevator = 0;

    double at(double alpha, double elevator) const {
        return at0 + alpha * perAlpha + elevator * perElevator;
    }
};

// One spanwise strip: its place, chord, width in the Trefftz plane and circulation per unit
// speed; cl = 2·circulation / chord.
struct LatticeStrip {
    Part part = Part::Wing;
    double y = 0;
    double z = 0;
    double chord = 0;
    double width = 0;
    Linear circulation;

    double cl(double alpha, double elevator) const {
        return 2 * circulation.at(alpha, elevator) / chord;
    }
};

/**
 * The vortex-lattice model of a glider's lifting surfaces (Katz & Plotkin, "Low-Speed
 * Aerodynamics", ch. 12, with AVL's conventions): horseshoe vortices on each pane's flat
 * planform, the bound leg at each panel's quarter chord, the control point at three quarters,
 * trailing legs along x to infinity; the surface's incidence and its airfoil's mean-line
 * slope tilt each control point's normal (small-angle, linear). Spanwise strips follow the
 * full-span cosine law along each half (dense at the tip, every pane edge a strip edge);
 * chordwise panels are equal. Forces by Kutta–Joukowski on the bound legs in the free
 * stream, induced drag in the Trefftz plane from the strips' trailing legs.
 *
 * Frame: the file's (x aft, y to side +1, z up); free stream (cos α, 0, sin α); pitching
 * moment positive nose up about (referenceX, ·, ·); coefficients on the reference area and
 * chord. Angles in radians; everything is linear in α and in the elevator, which is a
 * change of the stabilisers' incidence. vortexlattice.md says more, and how it was checked.
 */
class VortexLattice {
public:
    VortexLattice(const std::vector<LiftingSurface>& surfaces, double referenceArea,
                  double referenceChord, double referenceX, LatticeResolution resolution = {});
    ~VortexLattice();
    VortexLattice(VortexLattice&&) noexcept;
    VortexLattice& operator=(VortexLattice&&) noexcept;

    // False when there is nothing to solve or the solve gave no finite answer.
    bool valid() const { return valid_; }
    int panelCount() const { return panelCount_; }

    const Linear& lift() const { return lift_; }
    const Linear& moment() const { return moment_; } // about referenceX
    Linear liftOf(Part part) const;
    double neutralPointX() const; // where the moment does not change with α

    const std::vector<LatticeStrip>& strips() const { return strips_; }

    // Induced drag coefficient in the Trefftz plane: of everything, or of the wing's trailing
    // vortices alone.
    double inducedDrag(double alpha, double elevator) const;
    double wingInducedDrag(double alpha, double elevator) const;
    // The wing's C_Lα² / (π·AR·C_Diα) for the lift added by α, AR from the wing's strips.
    double spanEfficiency() const;

    // Upwash angle per radian of α that the wing's vortices induce at a point (the free
    // stream's own 1 not included).
    double wingUpwashPerAlpha(const Vec3& point) const;

private:
    struct Panel;
    void build(const std::vector<LiftingSurface>& surfaces, LatticeResolution resolution);
    void solve();
    void trefftz();
    double quadratic(const std::vector<double>& form, double alpha, double elevator) const;

    double referenceArea_;
    double referenceChord_;
    double referenceX_;
    bool valid_ = false;
    int panelCount_ = 0;
    long unknowns_ = 0;
    double wingSpan_ = 0; // projected on y
    std::vector<Panel> panels_;
    std::vector<LatticeStrip> strips_;
    Linear lift_;
    Linear moment_;
    Linear wingLift_, stabLift_, finLift_;
    std::vector<double> dragForm_;     // 3 x 3 on (1, α, elevator)
    std::vector<double> wingDragForm_; // the same, wing strips only
};

} // namespace aero
