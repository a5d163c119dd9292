#include "toolargs.h"

#include "formats/gliderfile.h"
#include "formats/keyedtext.h"
#include "formats/simulatorpaths.h"
#include "model/errors.h"

#include <cmath>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <system_error>

std::string ToolArgs::option(const std::string& name, const std::string& def) const {
    const auto found = options.find(name);
    return found == options.end() ? def : found->second;
}

std::optional<double> ToolArgs::number(const std::string& name) const {
    double value = 0;
    if (!has(name))
        return std::nullopt;
    if (!parseWholeNumber(option(name), value) || !std::isfinite(value))
        throw std::invalid_argument(name + " takes a number");
    return value;
}

bool parseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                   const std::set<std::string>& switchOptions, ToolArgs& out, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (switchOptions.count(word)) {
            out.switches.insert(word);
        } else if (valueOptions.count(word)) {
            if (i + 1 == args.size()) {
                error = word + " needs a value";
                return false;
            }
            out.options[word] = args[++i];
        } else if (word.rfind("--", 0) != 0) {
            out.files.push_back(word);
        } else {
            error = "unknown option " + word;
            return false;
        }
    }
    return true;
}

std::string setUpSimulatorDirectory(const ToolArgs& args) {
    std::string dir = args.option("--sim");
    if (dir.empty()) {
        std::error_code ignored;
        dir = simulatorDirectoryFrom(std::filesystem::current_path(ignored).string());
    }
    setSimulatorDirectory(dir);
    return dir;
}

void loadPreparedGlider(Glider& glider, const std::string& path, const std::string& simulatorDir) {
    readGlider(glider, path, simulatorDir);
    for (Surface& surface : glider.surfaces) {
        surface.computePaneValues();
        surface.sumPanes();
    }
}

int usageError(const std::string& message) {
    std::cerr << "kesh-tool: " << message << "\n"
              << "kesh-tool --help lists the commands and their options\n";
    return ExitUsage;
}

int refused(const err& error) {
    std::cerr << error.text() << "\n";
    return ExitRefused;
}

int loadGliderArgument(const std::vector<std::string>& args, const std::string& command,
                       Glider& glider) {
    ToolArgs parsed;
    std::string error;
    if (!parseToolArgs(args, {"--sim"}, {}, parsed, error))
        return usageError(error);
    if (parsed.files.size() != 1)
        return usageError(command + " takes one glider file");
    return loadNamedGlider(parsed, glider);
}

int loadNamedGlider(const ToolArgs& parsed, Glider& glider) {
    try {
        loadPreparedGlider(glider, parsed.files[0], setUpSimulatorDirectory(parsed));
    } catch (const err& e) {
        return refused(e);
    }
    return ExitOk;
}
