#pragma once

#include "model/foil.h"

#include <cstddef>

/**
 * The polar extended to ±180° by the Viterna–Corrigan method from its last point on each
 * side; the given rows are kept as they are. A polar of fewer than two rows is returned
 * unchanged.
 */
Polar extendPolar(const Polar& polar, double cdMax = 1.8);

// Rows [first, last) of a table.
struct RowRange {
    std::size_t first = 0;
    std::size_t last = 0;
};

/**
 * The rows of a polar that are not the extension extendPolar added (XFOIL's own points, for a
 * file the workshop wrote): the extension is recognised on each side by recomputing it from
 * the row before it, cd max being the drag at ±90°. A side without it, or with an extension
 * made otherwise, keeps all its rows.
 */
RowRange measuredRows(const Polar& polar);
