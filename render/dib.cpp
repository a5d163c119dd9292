#include "dib.h"

#include "formats/atomicfile.h"

#include <QImage>

namespace {

constexpr int kBitsPerPixel = 24;

void put16(std::uint8_t* at, std::uint16_t v) {
    at[0] = std::uint8_t(v & 0xff);
    at[1] = std::uint8_t(v >> 8);
}

void put32(std::uint8_t* at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        at[i] = std::uint8_t((v >> (8 * i)) & 0xff);
}

std::uint32_t get32(const std::uint8_t* at) {
    return std::uint32_t(at[0]) | std::uint32_t(at[1]) << 8 | std::uint32_t(at[2]) << 16 |
           std::uint32_t(at[3]) << 24;
}

std::uint32_t rowBytes(int width) {
    return ((std::uint32_t(width) * kBitsPerPixel + 31) & ~31u) / 8;
}

} // namespace

std::uint32_t dibImageSize(int width, int height) {
    return rowBytes(width) * std::uint32_t(height);
}

std::optional<Dib> bitmapToDib(const QImage& image) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return std::nullopt;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const int width = rgb.width();
    const int height = rgb.height();
    const std::uint32_t stride = rowBytes(width);
    const std::uint32_t imageSize = dibImageSize(width, height);

    Dib dib(kBmpInfoHeaderSize + std::size_t(imageSize), 0);
    put32(&dib[0], kBmpInfoHeaderSize);
    put32(&dib[4], std::uint32_t(width));
    put32(&dib[8], std::uint32_t(height));
    put16(&dib[12], 1);
    put16(&dib[14], kBitsPerPixel);
    put32(&dib[16], 0); // BI_RGB
    put32(&dib[20], imageSize);

    for (int row = 0; row < height; ++row) {
        const uchar* src = rgb.constScanLine(height - 1 - row);
        std::uint8_t* dst = &dib[kBmpInfoHeaderSize + std::size_t(row) * stride];
        for (int x = 0; x < width; ++x) {
            dst[3 * x] = src[3 * x + 2];
            dst[3 * x + 1] = src[3 * x + 1];
            dst[3 * x + 2] = src[3 * x];
        }
    }
    return dib;
}

bool writeDib(const std::string& path, const Dib& dib) {
    if (dib.size() < std::size_t(kBmpInfoHeaderSize))
        return false;
    const std::uint32_t paletteEntries = 0; // 24 bits carry no colour table
    const std::uint32_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize + 4 * paletteEntries;
    const std::uint32_t fileSize = offset + get32(&dib[20]);

    std::uint8_t header[kBmpFileHeaderSize] = {'B', 'M'};
    put32(&header[2], fileSize);
    put32(&header[10], offset);

    std::string bytes(reinterpret_cast<const char*>(header), sizeof header);
    bytes.append(reinterpret_cast<const char*>(dib.data()), dib.size());
    // Never renames over a device: a capture aimed at /dev/null must not replace it.
    std::string error;
    return replaceFileContents(path, bytes, error);
}
