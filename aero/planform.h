#pragma once

#include "model/glider.h"

#include <array>
#include <optional>
#include <vector>

namespace aero {

using Vec3 = std::array<double, 3>;

// The three lifting parts the analysis tells apart.
enum class Part { Wing, Stabiliser, Fin };

// One pane as a flat trapezoid in the file frame (x towards the tail, y towards side +1).
struct PaneShape {
    Vec3 root{0, 0, 0}; // root leading edge
    double c1 = 0;
    double c2 = 0;
    double env = 0;
    double fleche = 0;
    double dihedral = 0;
    int side = -1;

    double area() const { return (c1 + c2) * env / 2; }
    // Chord and leading-edge x at spanwise distance s from the root.
    double chordAt(double s) const;
    double leadingEdgeXAt(double s) const;
    // The point at spanwise distance s on the leading edge.
    Vec3 leadingEdgeAt(double s) const;
    // Root leading and trailing edges, then tip leading and trailing edges.
    std::array<Vec3, 4> corners() const;
    double meanChord() const;
    double meanChordSpan() const; // spanwise distance of the mean chord from the root
};

// The panes of one surface slot, chained from its position as the model chains root points.
std::vector<PaneShape> paneShapes(const Surface& surface, int slot);

// A part's planform; areas and spans count both halves of the wing and of the stabiliser.
struct Planform {
    double area = 0;
    double span = 0;        // projected on y (the fin: its height, projected on z)
    double aspectRatio = 0; // span² / area
    double meanChord = 0;
    double meanChordLeadingEdgeX = 0;
    double meanDihedral = 0; // area-weighted, radians
    double rootChord = 0;
    double tipChord = 0;
    double quarterChordSweep = 0; // radians, from the root's quarter chord to the tip's

    double aerodynamicCentreX() const { return meanChordLeadingEdgeX + meanChord / 4; }
};

// Nullopt when the part has no pane of positive area.
std::optional<Planform> planformOf(const Glider& glider, Part part);

} // namespace aero
