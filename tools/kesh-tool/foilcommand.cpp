#include "commands.h"
#include "formats/foilfile.h"
#include "formats/keyedtext.h"
#include "model/errors.h"
#include "toolargs.h"

#include <iostream>

int runFoil(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1)
        return usageError("foil takes one airfoil file");
    Foil foil;
    try {
        loadFoil(foil, parsed.files[0]);
    } catch (const err& e) {
        return refused(e);
    }
    std::cout << "name: " << foil.name << "\n"
              << "cm0: " << formatNumber(foil.cm0) << "\n"
              << "alpha0: " << formatNumber(foil.alpha0) << "\n"
              << "points: " << foil.points.size() << "\n";
    for (const Polar& polar : foil.polars)
        std::cout << "polar: reynolds " << polar.reynolds << ", rows " << polar.rows.size()
                  << ", zero-index " << polar.zeroIndex << "\n";
    return ExitOk;
}
