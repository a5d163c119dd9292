#pragma once

// The factors the simulator's files are read and written with (degrees in files, radians held).
inline constexpr double kDegreesToRadians = 0.01745329252;
inline constexpr double kRadiansToDegrees = 57.29577951;
