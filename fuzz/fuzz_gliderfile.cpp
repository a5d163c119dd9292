// The glider reader on arbitrary files, against the sample simulator's airfoils.
#include "formats/gliderfile.h"
#include "fuzzinput.h"
#include "model/errors.h"
#include "model/glider.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = writeInputFile("glider", data, size);
    Glider glider;
    try {
        readGlider(glider, path, fuzzSimulatorDirectory());
    } catch (const err&) {
        return 0;
    }
    for (const Surface& surface : glider.surfaces) {
        if (surface.npart() > Surface::kMaxPanes)
            __builtin_trap();
    }
    (void)glider.totalWeight();
    (void)glider.span();
    (void)gliderFileText(glider);
    return 0;
}
