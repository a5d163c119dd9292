#pragma once

#include "model/outline.h"

#include <string_view>

// "NACA 2412", "naca23012", "NACA2412": a 4- or 5-digit code this program can generate.
bool isNacaCode(std::string_view text);

// Open: the published thickness law (−0.1015x⁴), the section XFOIL and the NACA reports mean.
// Closed: its variant (−0.1036x⁴) that meets at the trailing edge, for drawing.
enum class NacaTrailingEdge { Open, Closed };

/**
 * The section from its published equations, cosine spacing, as a normalised outline of
 * 2·pointsPerSide − 1 points. Throws std::invalid_argument for a code that is not a known 4-
 * or 5-digit section.
 */
Outline nacaOutline(std::string_view code, int pointsPerSide = 100,
                    NacaTrailingEdge edge = NacaTrailingEdge::Open);
