// The coordinate-file reader on arbitrary text: refused with its error or a sound outline.
#include "formats/coordinatefile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Outline outline;
    try {
        outline = parseCoordinates(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const CoordinateError&) {
        return 0;
    }
    if (outline.points.size() < 10)
        __builtin_trap();
    for (const OutlinePoint& p : outline.points) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || p.x < -0.01 || p.x > 1.01)
            __builtin_trap();
    }
    return 0;
}
