#pragma once

#include "model/glider.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string>

// The texture object drawing one part, if it has one, and the file it was made from as it
// was then, so that a part given another texture, or its file written again, is reloaded.
struct PartGl {
    int textureId = -1;
    int hasTexture = 0;
    std::string loadedPath;
    std::filesystem::file_time_type loadedStamp{};
};

// The OpenGL objects that draw one glider, in the share group of its views. The glider
// itself holds no OpenGL name, so copies and snapshots of it never own or share one.
struct GliderGl {
    int displayList = -1;
    std::array<PartGl, Glider::kSlots> surfaces;
    PartGl body;
    // Undo and redo of the last step swap lists instead of compiling again: the list an
    // edit replaced is kept as the spare, with the state it draws (an opaque token of the
    // document's). Every other compile drops the spare and forgets the states.
    std::shared_ptr<const void> listState;
    int spareList = -1;
    std::shared_ptr<const void> spareState;
};
