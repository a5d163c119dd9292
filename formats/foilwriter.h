#pragma once

#include "model/foil.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

/**
 * The simulator's airfoil file for the foil: `headerLines` as "//" comments, [main], [points]
 * and [polar], numbers in "%.6g", CR LF. The loader's sentinels (a first polar at Reynolds 0, a
 * last one at 10000000) are left out, so a loaded foil writes back as it was read.
 */
std::string foilFileText(const Foil& foil, const std::vector<std::string>& headerLines);

// The longest airfoil name the editor writes; a longer title is cut.
inline constexpr std::size_t kMaxFoilNameLength = 63;

/**
 * A title as a name the airfoil file keeps: '"' becomes '\'', '[' and ']' become '(' and ')',
 * "//" becomes "/", control characters go, blanks are trimmed and the text cut to
 * kMaxFoilNameLength. foilFileText refuses the characters this replaces.
 */
std::string safeFoilName(std::string_view title);

// Writes foilFileText through the atomic writer; throws std::runtime_error (French text).
void writeFoilFile(const std::string& path, const Foil& foil,
                   const std::vector<std::string>& headerLines);
