#pragma once

#include "model/glider.h"

#include <array>

// The texture object drawing one part, if it has one.
struct PartGl {
    int textureId = -1;
    int hasTexture = 0;
};

// The OpenGL objects that draw one glider, in the share group of its views. The glider
// itself holds no OpenGL name, so copies and snapshots of it never own or share one.
struct GliderGl {
    int displayList = -1;
    std::array<PartGl, Glider::kSlots> surfaces;
    PartGl body;
};
