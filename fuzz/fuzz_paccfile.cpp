// The reader of XFOIL's polar file on arbitrary text, as it is polled while being written.
#include "aero/xfoil/paccfile.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<PaccPoint> rows;
    bool header = false;
    std::string error;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!parsePaccFile(text, rows, header, error)) {
        if (error.empty())
            __builtin_trap();
        return 0;
    }
    if (!header && !rows.empty())
        __builtin_trap();
    for (const PaccPoint& p : rows) {
        if (!std::isfinite(p.alpha) || !std::isfinite(p.cl) || !std::isfinite(p.cd) ||
            !std::isfinite(p.cm))
            __builtin_trap();
    }
    return 0;
}
