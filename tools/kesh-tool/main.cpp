// kesh-tool: the editor's loading, saving and drawing for scripts and tests.
#include "commands.h"
#include "toolargs.h"

#ifdef KESH_TOOL_RENDER
#include "rendercommand.h"
#endif

#include <cstring>
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
    {"save", runSave},
    {"sheet", runSheet},
    {"skin-template", runSkinTemplate},
    {"texture-export", runTextureExport},
    {"texture-import", runTextureImport},
#ifdef KESH_TOOL_RENDER
    {"render", runRenderCommand},
#endif
    {"report", runReport},
};

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return usageError("no command");
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const Command& command : kCommands) {
        if (std::strcmp(argv[1], command.name) == 0)
            return command.run(args);
    }
    return usageError(std::string("unknown command ") + argv[1]);
}
