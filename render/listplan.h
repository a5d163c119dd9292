#pragma once

#include "model/surface.h"

#include <array>
#include <vector>

class Glider;

// What one compile of the glider's display list emits, in order: the translation, then
// each part. Surfaces are named by their slot; the body by kBodyPart.
struct ListPlan {
    static constexpr int kBodyPart = -1;

    Vec3f translation{0, 0, 0};
    std::vector<int> parts;
};

// Which parts came out of a re-derivation able to be drawn.
struct RederiveResult {
    bool body = false;
    std::array<bool, 5> surfaces{false, false, false, false, false};
};

// Every part, as the first compile after preparation emits them: the body, slots 0 to 3,
// and the fin when it has panes.
ListPlan fullListPlan(const Glider& glider);

// Re-derives slots 0 to 3, the body and, when it has panes, the fin, reloading the foils.
RederiveResult rederiveGlider(Glider& glider, const FoilLoader& loadFoil);

// The parts a rebuild emits under the visibility mask.
ListPlan maskedListPlan(const Glider& glider, int visibility, const RederiveResult& result);
