#pragma once

#include <string>

/**
 * Writes the bytes to a temporary file beside `path` and renames it over `path`, so the
 * previous file stays intact until the new one is complete. A link is followed and the file
 * it names replaced; an existing target that is not a regular file is refused. On failure
 * returns false and says why in `error`.
 */
bool replaceFileContents(const std::string& path, const std::string& bytes, std::string& error);
