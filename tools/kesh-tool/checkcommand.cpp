#include "commands.h"
#include "formats/keyedtext.h"
#include "model/errors.h"
#include "toolargs.h"

#include <iostream>

int runCheck(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim"}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1)
        return usageError("check takes one glider file");
    Glider glider;
    try {
        loadPreparedGlider(glider, parsed.files[0], setUpSimulatorDirectory(parsed));
    } catch (const err& e) {
        return refused(e);
    }
    std::cout << "name: " << glider.name << "\n"
              << "span: " << formatNumber(glider.span()) << "\n"
              << "wing-area: " << formatNumber(glider.wingArea()) << "\n"
              << "total-weight: " << formatNumber(glider.totalWeight()) << "\n"
              << "wing-loading: " << formatNumber(glider.wingLoading()) << "\n";
    return ExitOk;
}
