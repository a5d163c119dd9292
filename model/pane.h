#pragma once

#include <array>

struct Foil;

using Color = std::array<float, 3>; // r, g, b from 0 to 1
using Point3 = std::array<double, 3>;

// One trapezoidal pane of a lifting surface, from root to tip.
struct Pane {
    int slot = 0;
    int side = -1;
    float env = 0;    // span along the pane's own spanwise direction
    float c1 = 0;     // root chord
    float c2 = 0;     // tip chord
    float fleche = 0; // sweep: the tip lies this far back along the file x axis
    float diedre = 0; // dihedral, radians
    float throwUp = 0;
    float throwDown = 0;
    const Foil* foil = nullptr; // the owning surface's foil
    Color color{0, 0, 0};

    // Derived, recomputed at every rebuild.
    Point3 rootPoint{0, 0, 0}; // root leading edge, model frame
    float area = 0;
};

// The area of a trapezoid pane, m².
inline float paneArea(const Pane& pane) {
    return (pane.c1 + pane.c2) * pane.env / 2.0f;
}
