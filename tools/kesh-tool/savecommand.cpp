#include "commands.h"
#include "formats/gliderfile.h"
#include "formats/simulatorpaths.h"
#include "model/errors.h"
#include "toolargs.h"

#include <iostream>

int runSave(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim", "--ini", "--as"}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1)
        return usageError("save takes one glider file");
    if (!parsed.has("--ini"))
        return usageError("save needs --ini INI, the simulator's vantair.ini");
    const std::string& file = parsed.files[0];
    try {
        Glider glider;
        loadPreparedGlider(glider, file, setUpSimulatorDirectory(parsed));
        std::cout << writeGlider(glider, parsed.option("--ini"),
                                 parsed.option("--as", fileNamePart(file)))
                  << "\n";
    } catch (const err& e) {
        return refused(e);
    }
    return ExitOk;
}
