#pragma once

#include <string>

// The help comes from the README's kesh-tool section, built into the program.

// "kesh-tool --help": the section's first paragraph and every command of its table.
std::string toolHelp();
// "kesh-tool COMMAND --help"; empty for a command the table does not name.
std::string commandHelp(const std::string& name);
