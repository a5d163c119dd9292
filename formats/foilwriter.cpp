#include "formats/foilwriter.h"

#include "formats/atomicfile.h"
#include "formats/foilfile.h"
#include "formats/keyedtext.h"
#include "formats/messagetext.h"
#include "model/angles.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr const char* kEol = "\r\n";
constexpr int kRowsPerLine = 4;

// A name the loader would read back cut short or not at all.
void checkName(const std::string& name) {
    const bool unsafe = name.find_first_of("\"[") != std::string::npos ||
                        name.find("//") != std::string::npos ||
                        std::any_of(name.begin(), name.end(),
                                    [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (unsafe)
        throw std::runtime_error(MessageText("FoilWriter",
                                             "Le nom du profil ne peut contenir ni guillemet, ni "
                                             "crochet, ni « // », ni caractère de contrôle.")
                                     .text());
}

std::string commentLine(std::string line) {
    for (char& c : line) {
        if (c == '\r' || c == '\n' || c == '\0')
            c = ' ';
    }
    return "// " + line + kEol;
}

std::string polarText(const Polar& polar) {
    std::string text;
    for (std::size_t i = 0; i < polar.rows.size(); ++i) {
        const PolarPoint& row = polar.rows[i];
        if (i > 0)
            text += i % kRowsPerLine == 0 ? kEol : "  ";
        text += formatNumber(row.alpha * kRadiansToDegrees) + " " + formatNumber(row.cl) + " " +
                formatNumber(row.cd);
    }
    return text;
}

} // namespace

std::string safeFoilName(std::string_view title) {
    std::string name;
    for (const char c : title) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            continue;
        if (c == '/' && !name.empty() && name.back() == '/')
            continue;
        name += c == '"' ? '\'' : c == '[' ? '(' : c == ']' ? ')' : c;
    }
    const std::size_t begin = name.find_first_not_of(' ');
    if (begin == std::string::npos)
        return {};
    name = name.substr(begin, kMaxFoilNameLength);
    return name.substr(0, name.find_last_not_of(' ') + 1);
}

std::string foilFileText(const Foil& foil, const std::vector<std::string>& headerLines) {
    checkName(foil.name);
    auto first = foil.polars.begin();
    auto last = foil.polars.end();
    if (foil.polars.size() >= 3 && first->reynolds == kLowSentinelReynolds &&
        (last - 1)->reynolds == kHighSentinelReynolds) {
        ++first;
        --last;
    }
    if (first == last)
        throw std::runtime_error(
            MessageText("FoilWriter", "Le profil n'a aucune polaire à écrire.").text());
    if (foil.points.empty() || foil.points.size() > static_cast<std::size_t>(Foil::kMaxPoints))
        throw std::runtime_error(
            MessageText("FoilWriter", "Un fichier profil porte de 1 à %1 points.")
                .arg(Foil::kMaxPoints)
                .text());

    std::string text;
    for (const std::string& line : headerLines)
        text += commentLine(line);
    text += std::string(kEol) + "[main]" + kEol + kEol;
    text += "name = \"" + foil.name + "\"" + kEol;
    text += "cm0 = \"" + formatNumber(foil.cm0) + "\"" + kEol;
    text += "alpha0 = \"" + formatNumber(foil.alpha0) + "\"" + kEol;
    text += std::string(kEol) + "[points]" + kEol + kEol;
    for (const FoilPoint& p : foil.points)
        text += formatNumber(p.x) + "\t" + formatNumber(p.y) + kEol;
    text += std::string(kEol) + "[polar]" + kEol + kEol;
    text += "nbreynolds = \"" + std::to_string(last - first) + "\"" + kEol;
    int index = 1;
    for (auto polar = first; polar != last; ++polar, ++index) {
        const std::string key = "re" + std::to_string(index);
        text += kEol + key + ".reynolds = \"" + std::to_string(polar->reynolds) + "\"" + kEol;
        text += key + ".polar = \"" + polarText(*polar) + "\"" + kEol;
    }
    return text;
}

void writeFoilFile(const std::string& path, const Foil& foil,
                   const std::vector<std::string>& headerLines) {
    const std::string text = foilFileText(foil, headerLines);
    std::string error;
    if (!replaceFileContents(path, text, error))
        throw std::runtime_error(MessageText("FoilWriter",
                                             "Impossible d'écrire le fichier profil « %1 » : %2. "
                                             "Le fichier précédent n'a pas été modifié.")
                                     .arg(path)
                                     .arg(error)
                                     .text());
}
