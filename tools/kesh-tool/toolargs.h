#pragma once

#include "model/glider.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class err;

enum ExitCode { ExitOk = 0, ExitRefused = 1, ExitUsage = 2 };

// A command's arguments: plain words, "--name value" options (or any word listed as one, such
// as "-o") and "--name" switches.
struct ToolArgs {
    std::vector<std::string> files;
    std::map<std::string, std::string> options;
    std::set<std::string> switches;

    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string option(const std::string& name, const std::string& def = {}) const;
    // The option's number, none when it is not given; throws std::invalid_argument when it is
    // not a finite number.
    std::optional<double> number(const std::string& name) const;
};

// False, with the reason in `error`, for an unknown "--" word or an option without value.
bool parseToolArgs(const std::vector<std::string>& args, const std::set<std::string>& valueOptions,
                   const std::set<std::string>& switchOptions, ToolArgs& out, std::string& error);

// "--sim DIR", else derived from the working directory as the editor does; also made the
// process's simulator directory.
std::string setUpSimulatorDirectory(const ToolArgs& args);

// Reads the glider and derives pane values and surface sums as a first paint does.
// Throws the err family.
void loadPreparedGlider(Glider& glider, const std::string& path, const std::string& simulatorDir);

/**
 * The start of the commands that take one glider file and "--sim": parses the arguments and
 * loads the prepared glider. Returns ExitOk, or the exit status to end with after saying why.
 */
int loadGliderArgument(const std::vector<std::string>& args, const std::string& command,
                       Glider& glider);

// Loads the prepared glider of the command's one file argument under its "--sim"; ExitOk, or
// ExitRefused after saying why.
int loadNamedGlider(const ToolArgs& parsed, Glider& glider);

// Prints "kesh-tool: <message>" and where the usage is; returns ExitUsage.
int usageError(const std::string& message);
// Prints the error's text; returns ExitRefused.
int refused(const err& error);
