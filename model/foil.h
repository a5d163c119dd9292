#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One point of an airfoil's profile outline, chord-normalised, as read.
struct FoilPoint {
    float x = 0;
    float y = 0;

    bool operator==(const FoilPoint&) const = default;
};

// One row of a polar: angle of attack in radians, lift and drag coefficients.
struct PolarPoint {
    float alpha = 0;
    float cl = 0;
    float cd = 0;

    bool operator==(const PolarPoint&) const = default;
};

// Lift and drag against angle of attack at one Reynolds number.
struct Polar {
    std::int32_t reynolds = 0;
    std::vector<PolarPoint> rows;
    int zeroIndex = 0; // first row whose angle is not negative; rows.size() when none is

    bool operator==(const Polar&) const = default;
};

// An airfoil: profile points for drawing and polars kept with it.
struct Foil {
    static constexpr int kMaxPoints = 101;

    std::string name;
    std::string foilFilename; // bare file name as on disk; a glider file stores it
    std::string foilPath;     // the path it was last loaded from
    std::vector<FoilPoint> points;
    std::vector<Polar> polars; // low sentinel, the file's polars, high sentinel
    float cm0 = 0;
    float alpha0 = 0;

    bool operator==(const Foil&) const = default;
};
