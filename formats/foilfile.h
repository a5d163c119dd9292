#pragma once

#include "model/foil.h"

#include <cstdint>
#include <string>

// The loader's copies of the first and last polars sit at these Reynolds numbers, so a file's
// own polars lie strictly between them.
inline constexpr std::int32_t kLowSentinelReynolds = 0;
inline constexpr std::int32_t kHighSentinelReynolds = 10000000;
inline constexpr std::int32_t kMinPolarReynolds = 1000;
inline constexpr std::int32_t kMaxPolarReynolds = kHighSentinelReynolds - 1;

/**
 * Fills the foil from an airfoil file. Throws errLoadFoil ("Foilname '<path>' not found")
 * when the file is missing, not a regular file, too large or lacks [main], [points] or
 * [polar]; errOldFoil when [polar] has no usable "nbreynolds". Both use the caption "Error".
 */
void loadFoil(Foil& foil, const std::string& path);
// As loadFoil, but a foil that holds that file already is kept without reading it again.
void loadFoilOnce(Foil& foil, const std::string& path);

// One polar table from its quoted text: triples of angle in degrees, lift, drag.
Polar parsePolar(std::int32_t reynolds, const std::string& text);
