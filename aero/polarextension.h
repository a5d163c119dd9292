#pragma once

#include "model/foil.h"

/**
 * The polar extended to ±180° by the Viterna–Corrigan method from its last point on each
 * side; the given rows are kept as they are. A polar of fewer than two rows is returned
 * unchanged.
 */
Polar extendPolar(const Polar& polar, double cdMax = 1.8);

// A range of row indices, [first, last).
struct RowRange {
    std::size_t first = 0;
    std::size_t last = 0;
};

/**
 * The rows of a polar that are its own (XFOIL's), not its ±180° extension. A side counts as
 * extended when it ends at ±180° and its rows beyond some row are, angle for angle and
 * value for value, the Viterna–Corrigan continuation of that row, with the maximum drag
 * read at ±90°: exactly what extendPolar appends, as read back from a file.
 */
RowRange measuredRows(const Polar& polar);
