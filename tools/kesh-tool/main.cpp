// kesh-tool: the editor's loading, saving and drawing for scripts and tests.
#include "commands.h"
#include "toolargs.h"
#include "usage.h"

#ifdef KESH_TOOL_RENDER
#include "rendercommand.h"
#endif

#include <algorithm>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

struct Command {
    const char* name;
    int (*run)(const std::vector<std::string>& args);
};

const Command kCommands[] = {
    {"analyse", runAnalyse},
    {"check", runCheck},
    {"dump", runDump},
    {"foil", runFoil},
    {"foil-import", runFoilImport},
    {"new", runNew},
    {"save", runSave},
    {"sheet", runSheet},
    {"skin-template", runSkinTemplate},
    {"texture-export", runTextureExport},
    {"texture-import", runTextureImport},
    {"tune", runTune},
#ifdef KESH_TOOL_RENDER
    {"render", runRenderCommand},
#endif
    {"report", runReport},
};

bool asksForHelp(const std::string& word) {
    return word == "--help" || word == "-h";
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usageError("no command");
    if (asksForHelp(argv[1])) {
        std::cout << toolHelp();
        return ExitOk;
    }
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) != 0)
            continue;
        if (std::any_of(args.begin(), args.end(), asksForHelp)) {
            std::cout << commandHelp(command.name);
            return ExitOk;
        }
        return command.run(args);
    }
    return usageError(std::string("unknown command ") + argv[1]);
}
