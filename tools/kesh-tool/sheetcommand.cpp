#include "commands.h"
#include "formats/htmlsheet.h"
#include "model/errors.h"
#include "toolargs.h"

#include <iostream>

int runSheet(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim"}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1)
        return usageError("sheet takes one glider file");
    Glider glider;
    try {
        loadPreparedGlider(glider, parsed.files[0], setUpSimulatorDirectory(parsed));
    } catch (const err& e) {
        return refused(e);
    }
    const std::string text = specificationSheetText(
        glider.name, glider.surfaces[WingLeft].foil.name, glider.totalWeight(), glider.span(),
        glider.wingArea(), glider.wingLoading());
    if (!writeSpecificationSheet("doc.html", text)) {
        std::cerr << "doc.html cannot be written in the working directory\n";
        return ExitRefused;
    }
    return ExitOk;
}
