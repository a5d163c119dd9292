#pragma once

#include "model/foil.h"

/**
 * The polar extended to ±180° by the Viterna–Corrigan method from its last point on each
 * side; the given rows are kept as they are. A polar of fewer than two rows is returned
 * unchanged.
 */
Polar extendPolar(const Polar& polar, double cdMax = 1.8);
