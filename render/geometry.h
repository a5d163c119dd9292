#pragma once

#include <array>
#include <vector>

struct Body;
struct Pane;

using Vec2f = std::array<float, 2>;
using Vec3f = std::array<float, 3>;

// One vertex as the drawing code hands it to OpenGL.
struct Vertex {
    Vec3f position{0, 0, 0};
    Vec3f normal{0, 0, 0};
    Vec2f texCoord{0, 0};
    bool hasTexCoord = false;
};

// One pane as a triangle strip in its local frame (origin at the root leading edge), placed
// by a translation to `translation` and a rotation of `rotationDegrees` about the X axis,
// both kept in double until they are handed to OpenGL.
// Vertices come in pairs sharing one normal: root then tip on side -1, tip then root on
// side +1. Empty when the pane cannot be drawn.
struct PaneStrip {
    std::array<double, 3> translation{0, 0, 0};
    double rotationDegrees = 0;
    std::vector<Vertex> vertices;
};

// The strip of one pane on its owning surface's foil. Texture coordinates are emitted only
// when `textured`; `spanSum` is the surface's span total they are spread over.
PaneStrip paneStrip(const Pane& pane, bool textured, float spanSum);

// The body as one strip of 18 vertices per pair of consecutive sections, with texture
// coordinates when `textured`.
std::vector<std::vector<Vertex>> bodyStrips(const Body& body, bool textured);
