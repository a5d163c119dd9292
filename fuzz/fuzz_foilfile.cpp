// The airfoil loader on arbitrary files.
#include "formats/foilfile.h"
#include "fuzzinput.h"
#include "model/errors.h"
#include "model/foil.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeInputFile("foil", data, size);
    Foil foil;
    try {
        loadFoil(foil, path);
    } catch (const err&) {
        return 0;
    }
    if (foil.points.size() > Foil::kMaxPoints || foil.polars.size() < 3)
        __builtin_trap();
    for (const Polar& polar : foil.polars) {
        if (polar.zeroIndex < 0 || polar.zeroIndex > static_cast<int>(polar.rows.size()))
            __builtin_trap();
    }
    return 0;
}
