#pragma once

#include "aero/planform.h"
#include "aero/unavailable.h"

#include <array>
#include <variant>

namespace aero {

// Mass, centre of gravity and moments of inertia about it, file frame, kg and m.
struct MassProperties {
    double mass = 0;
    Vec3 centre{0, 0, 0};
    std::array<double, 4> inertia{0, 0, 0, 0}; // xx, yy, zz, xz
};

/**
 * Spreads each component's weight over its shape: a surface's over its panes by area as
 * thin plates, the body's over its skin by lateral area as thin elliptic shells.
 */
std::variant<MassProperties, Unavailable> massProperties(const Glider& glider);

// Ramanujan's perimeter of an ellipse of half axes a and b.
double ellipsePerimeter(double a, double b);

// The body's skin area: each segment's mean perimeter times its length along x.
double bodyWettedArea(const Body& body);

} // namespace aero
