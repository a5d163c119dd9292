#include "commands.h"
#include "formats/htmlsheet.h"
#include "toolargs.h"

#include <iostream>

int runSheet(const std::vector<std::string>& args) {
    Glider glider;
    if (const int status = loadGliderArgument(args, "sheet", glider); status != ExitOk)
        return status;
    const std::string text = specificationSheetText(
        glider.name, glider.surfaces[WingLeft].foil.name, glider.totalWeight(), glider.span(),
        glider.wingArea(), glider.wingLoading());
    if (!writeSpecificationSheet("doc.html", text)) {
        std::cerr << "doc.html cannot be written in the working directory\n";
        return ExitRefused;
    }
    return ExitOk;
}
