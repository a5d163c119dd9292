#pragma once

#include <string>
#include <string_view>
#include <vector>

// One row of XFOIL's polar (PACC) file; the angle in degrees.
struct PaccPoint {
    double alpha = 0;
    double cl = 0;
    double cd = 0;
    double cm = 0;
};

/**
 * The rows of a PACC file as far as it is written: the lines after the line of dashes,
 * columns taken by position (alpha CL CD CDp CM ...); a last line without its line end is
 * still being written and left out. Returns false, with the reason in `error`, when a row is
 * not numbers. No line of dashes yet gives no rows and `headerSeen` false.
 */
bool parsePaccFile(std::string_view text, std::vector<PaccPoint>& rows, bool& headerSeen,
                   std::string& error);
