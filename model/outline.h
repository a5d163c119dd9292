#pragma once

#include <string>
#include <vector>

struct OutlinePoint {
    double x = 0;
    double y = 0;
};

// A closed airfoil outline: trailing edge -> upper surface -> leading edge -> lower surface ->
// trailing edge, chord 1, leading edge at (0,0), trailing edge at (1,0) once normalised.
struct Outline {
    std::string name;
    std::vector<OutlinePoint> points;
};
