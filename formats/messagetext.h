#pragma once

#include <string>
#include <vector>

/**
 * A message the user reads, in the interface's language: the editor installs its
 * translation at start, and without one (kesh-tool, the tests) the text is the program's own
 * French form. Each arg() replaces the next of %1, %2... byte for byte, so that a path keeps
 * the file system's bytes. The translation tools find the forms by this class's name.
 */
class MessageText {
public:
    MessageText(const char* context, const char* form);

    MessageText& arg(const std::string& value);
    MessageText& arg(long long value) { return arg(std::to_string(value)); }
    std::string text() const;
    operator std::string() const { return text(); }

private:
    std::string form_;
    std::vector<std::string> args_;
};
