#include "formats/foilfile.h"

#include "formats/keyedtext.h"
#include "formats/messagetext.h"
#include "formats/simulatorpaths.h"
#include "model/angles.h"
#include "model/errors.h"

#include <climits>
#include <cmath>

namespace {

// Real airfoils carry a handful of polars; each one costs two searches of the section.
constexpr int kMaxPolars = 256;
const char* const kCaption = "Error";

std::int32_t toReynolds(const std::string& text) {
    const long value = toLong(text);
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<std::int32_t>(value);
}

[[noreturn]] void notFound(const std::string& path) {
    throw errLoadFoil("Foilname '" + path + "' not found", kCaption);
}

[[noreturn]] void badPolarCount(const std::string& path, const std::string& detail) {
    throw errOldFoil("Error append in foil : '" + path + "'\n\n" + detail +
                         "\nAirfoil file is corrupted or too old !",
                     kCaption);
}

std::string readFoilText(const std::string& path) {
    std::string text;
    switch (loadTextFile(path, text)) {
    case TextFileStatus::Ok:
        break;
    case TextFileStatus::TooLarge:
        throw errLoadFoil(
            MessageText("FoilFile", "Le fichier profil '%1' est trop gros (plus de 16 Mo).")
                .arg(path),
            kCaption);
    case TextFileStatus::CannotOpen:
        notFound(path);
    }
    stripComments(text);
    return text;
}

void readPoints(Foil& foil, const std::string& section) {
    TokenReader tokens(section);
    while (static_cast<int>(foil.points.size()) < Foil::kMaxPoints) {
        const std::string x = tokens.next();
        if (x.empty())
            break;
        const std::string y = tokens.next();
        foil.points.push_back({finiteFloat(toDouble(x)), finiteFloat(toDouble(y))});
    }
}

int polarCount(const std::string& path, const std::string& section) {
    const std::string value = findValue(section, "nbreynolds");
    if (value.empty())
        badPolarCount(path, "Item \"nbreynolds\" not found in section [polar]");
    const int count = toInt(value);
    if (count < 1 || count > kMaxPolars)
        badPolarCount(path, "Item \"nbreynolds\" in section [polar] is " + value +
                                ", it must be from 1 to " + std::to_string(kMaxPolars));
    return count;
}

std::vector<Polar> readPolars(const std::string& section, int count) {
    std::vector<Polar> polars(static_cast<std::size_t>(count) + 2);
    for (int i = 1; i <= count; ++i) {
        const std::string prefix = "re" + std::to_string(i);
        polars[i] = parsePolar(toReynolds(findValue(section, prefix + ".reynolds")),
                               findValue(section, prefix + ".polar"));
    }
    polars.front() = polars[1];
    polars.front().reynolds = kLowSentinelReynolds;
    polars.back() = polars[count];
    polars.back().reynolds = kHighSentinelReynolds;
    return polars;
}

} // namespace

void loadFoil(Foil& foil, const std::string& path) {
    const std::string text = readFoilText(path);
    foil.foilPath = path;
    foil.foilFilename = fileNamePart(path);
    foil.points.clear();
    foil.polars.clear();

    const std::string main = findSection(text, "main");
    if (main.empty())
        notFound(path);
    foil.name = findValue(main, "name");
    foil.cm0 = readFloat(main, "cm0");
    foil.alpha0 = readFloat(main, "alpha0");

    const std::string points = findSection(text, "points");
    if (points.empty())
        notFound(path);
    readPoints(foil, points);

    const std::string polar = findSection(text, "polar");
    if (polar.empty())
        notFound(path);
    foil.polars = readPolars(polar, polarCount(path, polar));
}

Polar parsePolar(std::int32_t reynolds, const std::string& text) {
    Polar polar;
    polar.reynolds = reynolds;
    TokenReader tokens(text);
    for (;;) {
        const std::string angle = tokens.next();
        const std::string lift = tokens.next();
        const std::string drag = tokens.next();
        if (angle.empty() || lift.empty() || drag.empty())
            break;
        polar.rows.push_back({finiteFloat(toDouble(angle) * kDegreesToRadians),
                              finiteFloat(toDouble(lift)), finiteFloat(toDouble(drag))});
    }
    polar.zeroIndex = static_cast<int>(polar.rows.size());
    for (std::size_t i = 0; i < polar.rows.size(); ++i) {
        if (polar.rows[i].alpha >= 0) {
            polar.zeroIndex = static_cast<int>(i);
            break;
        }
    }
    return polar;
}

void loadFoilOnce(Foil& foil, const std::string& path) {
    // A loaded foil has at least its two sentinel polars.
    if (!foil.polars.empty() && foil.foilPath == path)
        return;
    loadFoil(foil, path);
}
