#pragma once

#include <numbers>

// Angles are degrees in glider and airfoil files and in the pages, radians in the model;
// these are the factors the files have always been converted with.
inline constexpr double kDegreesToRadians = 0.01745329252;
inline constexpr double kRadiansToDegrees = 57.29577951;

// The exact factors, for computing: drawing and the flight analysis.
inline constexpr double kRadiansPerDegree = std::numbers::pi / 180;
inline constexpr double kDegreesPerRadian = 180 / std::numbers::pi;

// A fin pane stands upright: a quarter turn, whatever its file or its page says.
inline constexpr float kUprightDihedral = 1.5707964f;
