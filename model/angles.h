#pragma once

// Angles are degrees in glider and airfoil files and in the pages, radians in the model;
// these are the factors the files have always been converted with.
inline constexpr double kDegreesToRadians = 0.01745329252;
inline constexpr double kRadiansToDegrees = 57.29577951;

// A fin pane stands upright: a quarter turn, whatever its file or its page says.
inline constexpr float kUprightDihedral = 1.5707964f;
