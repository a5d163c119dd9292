#include "aero/xfoil/paccfile.h"

#include "formats/keyedtext.h"
#include "formats/messagetext.h"

#include <cmath>

namespace {

constexpr std::size_t kColumns = 5; // alpha CL CD CDp CM; the transition columns are not used

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    while ((pos = line.find_first_not_of(" \t\r", pos)) != std::string_view::npos) {
        std::size_t end = line.find_first_of(" \t\r", pos);
        if (end == std::string_view::npos)
            end = line.size();
        out.emplace_back(line.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

bool isDashes(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t\r");
    return first != std::string_view::npos && line.substr(first, 5) == "-----" &&
           line.find_first_not_of("- \t\r", first) == std::string_view::npos;
}

} // namespace

bool parsePaccFile(std::string_view text, std::vector<PaccPoint>& rows, bool& headerSeen,
                   std::string& error) {
    rows.clear();
    headerSeen = false;
    std::size_t pos = 0;
    int lineNumber = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            break; // still being written
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNumber;
        if (!headerSeen) {
            headerSeen = isDashes(line);
            continue;
        }
        const std::vector<std::string> columns = words(line);
        if (columns.empty())
            continue;
        double value[kColumns] = {};
        bool numbers = columns.size() >= kColumns;
        for (std::size_t i = 0; numbers && i < kColumns; ++i)
            numbers = parseWholeNumber(columns[i], value[i]) && std::isfinite(value[i]);
        if (!numbers) {
            error = MessageText("PaccFile", "ligne %1 illisible").arg(lineNumber);
            return false;
        }
        rows.push_back({value[0], value[1], value[2], value[4]});
    }
    return true;
}
