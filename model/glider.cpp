#include "glider.h"

Glider::Glider() {
    for (int slot = 0; slot < kSlots; ++slot) {
        surfaces[slot].slot = slot;
        surfaces[slot].side = Surface::sideOfSlot(slot);
    }
}

void Glider::clearParts() {
    for (int slot = 0; slot < kSlots; ++slot) {
        surfaces[slot].clear();
        surfaces[slot].slot = slot;
        surfaces[slot].side = Surface::sideOfSlot(slot);
    }
    body.clear();
}

float Glider::span() const {
    float sum = 0.0f;
    for (const Pane& p : surfaces[WingLeft].panes())
        sum += p.env;
    return 2 * sum;
}

float Glider::wingArea() const { return 2 * surfaces[WingLeft].areaSum; }

float Glider::totalWeight() const {
    float total = body.weight;
    for (const Surface& s : surfaces)
        total += s.weight;
    return total;
}

float Glider::wingLoading() const {
    const float area = surfaces[WingLeft].areaSum;
    if (area == 0.0f)
        return 0.0f;
    return totalWeight() * 10 / (2 * area);
}
