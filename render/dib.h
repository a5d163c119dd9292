#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QImage;

// A device-independent bitmap as held in memory: the 40-byte info header, then the pixel
// rows at 24 bits, bottom row first, each row padded to a multiple of 4 bytes.
using Dib = std::vector<std::uint8_t>;

constexpr int kBmpFileHeaderSize = 14;
constexpr int kBmpInfoHeaderSize = 40;

// Bytes of pixel rows of a 24-bit image.
std::uint32_t dibImageSize(int width, int height);

// The image as a 24-bit bitmap; nothing for an empty image.
std::optional<Dib> bitmapToDib(const QImage& image);

// Writes the file header and the bitmap. The file appears whole or not at all.
bool writeDib(const std::string& path, const Dib& dib);
