#pragma once

#include "model/outline.h"

#include <stdexcept>
#include <string>
#include <string_view>

// A coordinate file that cannot be read as an airfoil; the text is the message shown.
struct CoordinateError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

/**
 * Reads airfoil coordinates as users have them: Selig or Lednicer order, with or without a
 * name line, `#` comments, blank lines, commas or semicolons between numbers, either
 * direction, any chord, offset or rotation. Returns the outline normalised to chord 1, leading
 * edge at (0,0), trailing edge -> upper surface -> leading edge -> lower surface. Text lines
 * before the first pair are the title, the first one the name; the outline ends at the first
 * text line after the pairs, and `ignoredLines` (when given) gets how many lines with text were
 * left from there to the end. Throws CoordinateError when the text holds no usable outline.
 */
Outline parseCoordinates(std::string_view text, int* ignoredLines = nullptr);

// parseCoordinates on a file (a file-system path); throws CoordinateError.
Outline readCoordinateFile(const std::string& path, int* ignoredLines = nullptr);
