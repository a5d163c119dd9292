#pragma once

#include "model/outline.h"

/**
 * Resamples a normalised outline to `pointCount` points: a spline in arc length through the
 * given points, cosine spacing on each surface, both trailing-edge points and the leading edge
 * kept. An even count puts one more point on the upper surface. Throws std::invalid_argument
 * for fewer than 5 points asked or given.
 */
Outline repanel(const Outline& outline, int pointCount);
