#pragma once

#include <string>
#include <string_view>
#include <vector>

// One row of the README's table of kesh-tool commands, markdown taken out.
struct CommandHelp {
    std::string name;
    std::string synopsis; // from "kesh-tool" to the last option
    std::string description;
};

// The rows of the table in a README section, in their order.
std::vector<CommandHelp> commandHelpRows(std::string_view section);

// "kesh-tool --help": the README section's first paragraph and every command of its table.
std::string toolHelp();
// "kesh-tool COMMAND --help"; empty for a command the table does not name.
std::string commandHelp(const std::string& name);
