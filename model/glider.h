#pragma once

#include "body.h"
#include "surface.h"

#include <array>
#include <string>

// The simulator's view holds a glider within 20 m: no length of it may reach beyond.
inline constexpr float kLongestLength = 20.0f;

// `centrum` holds the glider file's centre of gravity with x negated (the file's x runs aft
// from the nose, like the surfaces' positions); these turn one frame into the other.
inline Vec3f centrumFromFileFrame(const Vec3f& file) {
    return {-file[0], file[1], file[2]};
}
inline Vec3f fileFrameFromCentrum(const Vec3f& centrum) {
    return {-centrum[0], centrum[1], centrum[2]};
}

// A whole glider as one document holds it.
class Glider {
public:
    static constexpr int kSlots = 5;

    Glider();

    int valid = 0;
    std::string name;
    std::string path;
    float weight = 0;                          // [main] weight as read; never written back
    Vec3f centrum{0, 0, 0};                    // centre of gravity; x held negated (model frame)
    std::array<double, 4> inertia{0, 0, 0, 0}; // xx, yy, zz, xz
    std::array<Surface, kSlots> surfaces;
    Body body;

    // The centre of gravity in the file's frame.
    Vec3f fileCentrum() const { return fileFrameFromCentrum(centrum); }

    void markNew() { valid = 1; }
    // Clears every surface (keeping its slot and side) and the body.
    void clearParts();

    // 2 x the spans of slot 0's panes, summed afresh.
    float span() const;
    // 2 x the stored area sum of slot 0.
    float wingArea() const;
    // The body's weight plus the weights of all five slots.
    float totalWeight() const;
    // g/dm2; 0 when the wing has no area.
    float wingLoading() const;
};
