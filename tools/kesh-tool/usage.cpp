#include "usage.h"

#include <sstream>
#include <string_view>
#include <vector>

extern const char* const kReadmeToolSection;

namespace {

// One row of the table of commands, markdown taken out.
struct CommandHelp {
    std::string name;
    std::string synopsis; // from "kesh-tool" to the last option
    std::string description;
};

constexpr std::size_t kLineWidth = 79;

// Markdown's code marks and escaped bars gone.
std::string plain(std::string_view markdown) {
    std::string out;
    for (std::size_t i = 0; i < markdown.size(); ++i) {
        if (markdown[i] == '`')
            continue;
        if (markdown[i] == '\\' && i + 1 < markdown.size() && markdown[i + 1] == '|')
            continue;
        out += markdown[i];
    }
    return out;
}

std::string trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

// Characters of UTF-8 text, for its width on a terminal.
std::size_t widthOf(const std::string& text) {
    std::size_t width = 0;
    for (const char c : text)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return width;
}

// The words of the text; an option in brackets stays one word.
std::vector<std::string> wordsOf(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    int depth = 0;
    std::string word;
    while (in >> word) {
        if (depth > 0)
            words.back() += " " + word;
        else
            words.push_back(word);
        for (const char c : word)
            depth += c == '[' ? 1 : c == ']' ? -1 : 0;
    }
    return words;
}

// The words refilled into lines of at most kLineWidth characters: the first after `indent`,
// the others after `hanging`.
std::string wrapped(const std::string& text, const std::string& indent,
                    const std::string& hanging) {
    std::string out;
    std::string line = indent;
    bool lineEmpty = true;
    for (const std::string& word : wordsOf(text)) {
        if (!lineEmpty && widthOf(line) + 1 + widthOf(word) > kLineWidth) {
            out += line + "\n";
            line = hanging;
            lineEmpty = true;
        }
        line += (lineEmpty ? "" : " ") + word;
        lineEmpty = false;
    }
    return lineEmpty ? out : out + line + "\n";
}

// The cells of "| a | b |", split at bars that markdown does not escape.
std::vector<std::string> cells(std::string_view row) {
    std::vector<std::string> out;
    std::string cell;
    for (std::size_t i = 1; i < row.size(); ++i) {
        if (row[i] == '|' && row[i - 1] != '\\') {
            out.push_back(trimmed(cell));
            cell.clear();
        } else {
            cell += row[i];
        }
    }
    return out;
}

std::string firstParagraph(std::string_view section) {
    const std::size_t start = section.find("\n\n");
    if (start == std::string_view::npos)
        return {};
    const std::size_t end = section.find("\n\n", start + 2);
    return plain(section.substr(start + 2, end == std::string_view::npos ? end : end - start - 2));
}

std::string entry(const CommandHelp& row, const std::string& prefix = {}) {
    return wrapped(prefix + row.synopsis, "", "        ") +
           wrapped(row.description, "    ", "    ");
}

// The rows of the table in the section, in their order.
std::vector<CommandHelp> commandHelpRows(std::string_view section) {
    static const std::string_view kRowStart = "| `kesh-tool ";
    std::vector<CommandHelp> rows;
    std::istringstream lines{std::string(section)};
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(kRowStart, 0) != 0)
            continue;
        const std::vector<std::string> columns = cells(line);
        if (columns.size() < 2)
            continue;
        CommandHelp row;
        row.synopsis = plain(columns[0]);
        const std::size_t nameStart = row.synopsis.find(' ') + 1;
        row.name = row.synopsis.substr(nameStart, row.synopsis.find(' ', nameStart) - nameStart);
        row.description = plain(columns[1]);
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

std::string toolHelp() {
    std::string out = "usage: kesh-tool COMMAND ARGUMENTS\n"
                      "       kesh-tool COMMAND --help\n\n" +
                      wrapped(firstParagraph(kReadmeToolSection), "", "") + "\n";
    for (const CommandHelp& row : commandHelpRows(kReadmeToolSection))
        out += entry(row);
    return out;
}

std::string commandHelp(const std::string& name) {
    for (const CommandHelp& row : commandHelpRows(kReadmeToolSection)) {
        if (row.name == name)
            return entry(row, "usage: ");
    }
    return {};
}
