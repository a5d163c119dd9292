#pragma once

#include "geometry.h"

#include <optional>
#include <vector>

class Glider;

// A point turned as glRotated(degrees, axis) turns it.
Vec3f rotatedX(const Vec3f& point, double degrees);
Vec3f rotatedZ(const Vec3f& point, double degrees);

// Every vertex the glider's display list draws of the parts the visibility mask lets
// through, in the frame the list is called in (its centre-of-gravity shift included).
std::vector<Vec3f> gliderPoints(const Glider& glider, int visibility);

/**
 * The smallest camera distance at which every point lies inside `fill` (0 to 1) of the
 * window of a perspective with the given vertical field of view and aspect, and farther
 * than `nearPlane` from the eye. Points are relative to the rotation centre in eye axes
 * (x right, y up, z towards the eye). Nothing for no points.
 */
std::optional<double> framingDistance(const std::vector<Vec3f>& eyePoints, double fovyDegrees,
                                      double aspect, double fill, double nearPlane);
