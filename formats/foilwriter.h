#pragma once

#include "model/foil.h"

#include <string>
#include <vector>

/**
 * The simulator's airfoil file for the foil: `headerLines` as "//" comments, [main], [points]
 * and [polar], numbers in "%.6g", CR LF. The loader's sentinels (a first polar at Reynolds 0, a
 * last one at 10000000) are left out, so a loaded foil writes back as it was read.
 */
std::string foilFileText(const Foil& foil, const std::vector<std::string>& headerLines);

// Writes foilFileText through the atomic writer; throws std::runtime_error (French text).
void writeFoilFile(const std::string& path, const Foil& foil,
                   const std::vector<std::string>& headerLines);
