#pragma once

#include "model/glider.h"

// The largest glider the file format allows: ten panes on every surface, a 101-point
// airfoil, 200 body sections and a texture on every part, written under the temporary
// directory. Its foils have points only.
Glider largestGlider();

// The largest airfoil: 101 points and 256 polars, each from -180 to 180 degrees by degrees.
Foil largestFoil();
