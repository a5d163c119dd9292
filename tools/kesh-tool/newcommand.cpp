#include "commands.h"
#include "formats/codepage.h"
#include "formats/gliderfile.h"
#include "formats/glidertemplates.h"
#include "formats/simulatorpaths.h"
#include "model/errors.h"
#include "toolargs.h"

#include <QString>

#include <filesystem>
#include <iostream>

namespace {

std::string programDirectory() {
    std::error_code ignored;
    return std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path().string();
}

bool available(const std::string& dir, const GliderTemplate& t) {
    std::error_code ignored;
    return t.name == kEmptyTemplate ||
           std::filesystem::is_regular_file(
               simulatorFilePath(dir, "gliders", t.name + "/" + t.name + ".gli"), ignored);
}

int list(const std::string& dir) {
    for (const GliderTemplate& t : gliderTemplates())
        if (available(dir, t))
            std::cout << t.name << std::string(t.name.size() < 12 ? 12 - t.name.size() : 1, ' ')
                      << t.description << "\n";
    return ExitOk;
}

// False after saying why when an airfoil would replace a different file.
bool noClash(const std::vector<FoilCopy>& copies) {
    bool clash = false;
    for (const FoilCopy& copy : copies)
        if (copy.present && !copy.same) {
            std::cerr << "a different airfoil file is already there: " << copy.target << "\n";
            clash = true;
        }
    return !clash;
}

// Copies the airfoils the simulator lacks; false after saying why.
bool copyMissing(const std::vector<FoilCopy>& copies) {
    for (const FoilCopy& copy : copies) {
        std::string error;
        if (!copy.present && !copyFoil(copy, error)) {
            std::cerr << error << "\n";
            return false;
        }
    }
    return true;
}

} // namespace

int runNew(const std::vector<std::string>& args) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim", "--name"}, {"--list"}, parsed, error))
        return usageError(error);
    const std::string dir = templatesDirectory(programDirectory());
    if (parsed.switches.count("--list") != 0)
        return parsed.files.empty() ? list(dir) : usageError("new --list takes no template");
    if (parsed.files.size() != 1 || !parsed.has("--name") || !parsed.has("--sim"))
        return usageError("new takes a template, --name NAME and --sim DIR");
    const std::optional<std::string> name =
        toCodePage(QString::fromStdString(parsed.option("--name")));
    if (!name)
        return usageError("the name has a character glider files cannot hold");
    const std::string simulatorDir = parsed.option("--sim");
    try {
        Glider glider;
        readTemplate(glider, dir, parsed.files[0]);
        glider.name = *name;
        const std::string target = gliderSaveTarget(simulatorDir, *name, *name + ".gli");
        std::error_code ignored;
        if (std::filesystem::exists(target, ignored)) {
            std::cerr << "a glider file is already there: " << target << "\n";
            return ExitRefused;
        }
        const std::vector<FoilCopy> copies = foilCopies(glider, simulatorDir);
        if (!std::filesystem::is_directory(simulatorDir, ignored)) {
            std::cerr << "no simulator directory " << simulatorDir << "\n";
            return ExitRefused;
        }
        std::filesystem::create_directory(std::filesystem::path(simulatorDir) / "gliders", ignored);
        if (!noClash(copies))
            return ExitRefused;
        gliderSavePath(simulatorDir, *name, *name + ".gli");
        if (!copyMissing(copies))
            return ExitRefused;
        std::cout << writeGlider(glider, simulatorDir, *name + ".gli") << "\n";
    } catch (const err& e) {
        return refused(e);
    }
    return ExitOk;
}
