#include "formats/coordinatefile.h"

#include "formats/keyedtext.h"
#include "formats/messagetext.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// More points than any real coordinate file holds; keeps the crossing test quick.
constexpr std::size_t kMaxPoints = 2000;
constexpr std::size_t kMinPoints = 10;

struct RawFile {
    std::string name;
    std::vector<OutlinePoint> pairs;
    int ignoredLines = 0; // text after the coordinates
};

std::vector<std::string> lineTokens(std::string line) {
    line = line.substr(0, line.find('#'));
    for (char& c : line) {
        if (c == ',' || c == ';' || c == '\t' || c == '\r')
            c = ' ';
    }
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while ((pos = line.find_first_not_of(' ', pos)) != std::string::npos) {
        const std::size_t end = std::min(line.find(' ', pos), line.size());
        tokens.push_back(line.substr(pos, end - pos));
        pos = end;
    }
    return tokens;
}

std::string trimmed(const std::string& text) {
    const std::size_t begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos)
        return {};
    return text.substr(begin, text.find_last_not_of(" \t\r") + 1 - begin);
}

// Every token a number: a line of data, even when it does not hold a pair.
bool allNumbers(const std::vector<std::string>& tokens, std::vector<double>& values) {
    values.clear();
    for (const std::string& token : tokens) {
        double value = 0;
        if (!parseWholeNumber(token, value))
            return false;
        values.push_back(value);
    }
    return true;
}

// As XFOIL reads: text before the first pair is the title (its first line the name), and the
// outline ends at the first text line after the pairs; blank lines within it are allowed.
RawFile readLines(std::string_view text) {
    RawFile file;
    int lineNumber = 0;
    bool ended = false;
    std::size_t pos = 0;
    std::vector<double> values;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string line(text.substr(pos, end - pos));
        pos = end + 1;
        ++lineNumber;
        if (ended) {
            if (!trimmed(line).empty())
                ++file.ignoredLines;
            continue;
        }
        const std::vector<std::string> tokens = lineTokens(line);
        if (tokens.empty())
            continue;
        if (!allNumbers(tokens, values) || (file.pairs.empty() && values.size() != 2)) {
            if (!file.pairs.empty()) {
                ended = true;
                ++file.ignoredLines;
            } else if (file.name.empty()) {
                file.name = trimmed(line.substr(0, line.find('#')));
            }
            continue;
        }
        if (values.size() != 2)
            throw CoordinateError(
                MessageText("CoordinateFile", "Ligne %1 : deux nombres attendus.").arg(lineNumber));
        if (!std::isfinite(values[0]) || !std::isfinite(values[1]))
            throw CoordinateError(
                MessageText("CoordinateFile", "Ligne %1 : coordonnée qui n'est pas un nombre fini.")
                    .arg(lineNumber));
        if (file.pairs.size() > kMaxPoints)
            throw CoordinateError(MessageText("CoordinateFile",
                                              "Le fichier a plus de %1 points : ce n'est pas "
                                              "un fichier de coordonnées.")
                                      .arg(kMaxPoints));
        file.pairs.push_back({values[0], values[1]});
    }
    return file;
}

bool isCount(double value) {
    return value > 1.01 && value == std::floor(value) && value <= double(kMaxPoints);
}

// Lednicer: the count line, then each surface from the leading edge; made Selig order.
std::vector<OutlinePoint> fromLednicer(const std::vector<OutlinePoint>& pairs) {
    const auto upper = static_cast<std::size_t>(pairs[0].x);
    const auto lower = static_cast<std::size_t>(pairs[0].y);
    if (upper + lower != pairs.size() - 1)
        throw CoordinateError(
            MessageText("CoordinateFile", "Le fichier annonce %1 et %2 points mais en contient %3.")
                .arg(upper)
                .arg(lower)
                .arg(pairs.size() - 1));
    std::vector<OutlinePoint> points(pairs.begin() + 1, pairs.begin() + 1 + upper);
    std::reverse(points.begin(), points.end());
    points.insert(points.end(), pairs.begin() + 1 + upper, pairs.end());
    return points;
}

std::vector<OutlinePoint> withoutRepeats(const std::vector<OutlinePoint>& points) {
    std::vector<OutlinePoint> kept;
    for (const OutlinePoint& p : points) {
        if (kept.empty() || p.x != kept.back().x || p.y != kept.back().y)
            kept.push_back(p);
    }
    return kept;
}

// Leading edge at (0,0), trailing-edge midpoint at (1,0).
void normalise(std::vector<OutlinePoint>& points) {
    const OutlinePoint te{(points.front().x + points.back().x) / 2,
                          (points.front().y + points.back().y) / 2};
    const auto distance = [&](const OutlinePoint& p) { return std::hypot(p.x - te.x, p.y - te.y); };
    const OutlinePoint le = *std::max_element(
        points.begin(), points.end(),
        [&](const OutlinePoint& a, const OutlinePoint& b) { return distance(a) < distance(b); });
    const double chord = distance(le);
    if (!(chord > 0) || !std::isfinite(chord))
        throw CoordinateError(MessageText(
            "CoordinateFile", "Le contour n'a pas de corde : ses points sont confondus."));
    const double c = (te.x - le.x) / chord;
    const double s = (te.y - le.y) / chord;
    for (OutlinePoint& p : points) {
        const double dx = p.x - le.x;
        const double dy = p.y - le.y;
        p = {(dx * c + dy * s) / chord, (dy * c - dx * s) / chord};
    }
}

double signedArea(const std::vector<OutlinePoint>& points) {
    double area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const OutlinePoint& a = points[i];
        const OutlinePoint& b = points[(i + 1) % points.size()];
        area += a.x * b.y - b.x * a.y;
    }
    return area / 2;
}

double cross(const OutlinePoint& o, const OutlinePoint& a, const OutlinePoint& b) {
    return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

bool segmentsCross(const OutlinePoint& a, const OutlinePoint& b, const OutlinePoint& c,
                   const OutlinePoint& d) {
    const double d1 = cross(c, d, a);
    const double d2 = cross(c, d, b);
    const double d3 = cross(a, b, c);
    const double d4 = cross(a, b, d);
    return ((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0));
}

void checkOutline(const std::vector<OutlinePoint>& points) {
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].x < -0.01 || points[i].x > 1.01)
            throw CoordinateError(MessageText("CoordinateFile",
                                              "Le point %1 sort de la corde une fois le profil "
                                              "ramené à la corde 1 : ce n'est pas un contour de "
                                              "profil.")
                                      .arg(i + 1));
    }
    const std::size_t segments = points.size() - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        for (std::size_t j = i + 2; j < segments; ++j) {
            if (segmentsCross(points[i], points[i + 1], points[j], points[j + 1]))
                throw CoordinateError(
                    MessageText("CoordinateFile",
                                "Le contour se recoupe (entre les points %1 et %2).")
                        .arg(i + 1)
                        .arg(j + 2));
        }
    }
}

} // namespace

Outline parseCoordinates(std::string_view text, int* ignoredLines) {
    RawFile file = readLines(text);
    if (ignoredLines)
        *ignoredLines = file.ignoredLines;
    if (file.pairs.empty())
        throw CoordinateError(
            MessageText("CoordinateFile", "Le fichier ne contient aucune coordonnée."));
    std::vector<OutlinePoint> points = file.pairs;
    if (isCount(points[0].x) && isCount(points[0].y))
        points = fromLednicer(points);
    points = withoutRepeats(points);
    if (points.size() < kMinPoints)
        throw CoordinateError(
            MessageText("CoordinateFile",
                        "Le profil n'a que %1 points différents : il en faut au moins %2.")
                .arg(points.size())
                .arg(kMinPoints));
    normalise(points);
    if (signedArea(points) < 0)
        std::reverse(points.begin(), points.end());
    checkOutline(points);
    return {file.name, points};
}

Outline readCoordinateFile(const std::string& path, int* ignoredLines) {
    std::string text;
    switch (loadTextFile(path, text)) {
    case TextFileStatus::CannotOpen:
        throw CoordinateError(
            MessageText("CoordinateFile", "Impossible de lire le fichier « %1 ».").arg(path));
    case TextFileStatus::TooLarge:
        throw CoordinateError(
            MessageText("CoordinateFile", "Le fichier « %1 » est trop gros pour des coordonnées.")
                .arg(path));
    case TextFileStatus::Ok:
        break;
    }
    Outline outline = parseCoordinates(text, ignoredLines);
    if (outline.name.empty())
        outline.name = std::filesystem::path(path).stem().string();
    return outline;
}
