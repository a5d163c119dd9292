#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A texture file is 256 rows of 256 RGB texels, row 0 first, with no header.
constexpr int kTextureSize = 256;
constexpr std::size_t kTextureBytes = std::size_t(kTextureSize) * kTextureSize * 3;

// The 256 x 256 RGB image of a texture file: its first 196,608 bytes, zero past a short
// file's end. Nothing for an empty path or anything but a readable regular file.
std::optional<std::vector<unsigned char>> readTextureFile(const std::string& path);

// Writes exactly one image of kTextureBytes through the atomic writer; false with the reason
// in `error` otherwise.
bool writeTextureFile(const std::string& path, const std::vector<unsigned char>& texels,
                      std::string& error);
