#include "aero/naca.h"

#include "aero/units.h"

#include <cctype>
#include <cmath>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace {

// The digits after an optional "NACA" (any case) and blanks; empty when the text is not that.
std::string nacaDigits(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    static constexpr std::string_view prefix = "naca";
    if (text.size() - i < prefix.size())
        return {};
    for (char c : prefix) {
        if (std::tolower(static_cast<unsigned char>(text[i++])) != c)
            return {};
    }
    while (i < text.size() && (text[i] == ' ' || text[i] == '-'))
        ++i;
    std::string digits;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])))
        digits += text[i++];
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    return i == text.size() ? digits : std::string();
}

// Mean line: height and slope at x.
struct Camber {
    double y = 0;
    double slope = 0;
};

struct MeanLine {
    virtual ~MeanLine() = default;
    virtual Camber at(double x) const = 0;
};

struct FourDigitLine : MeanLine {
    double m, p;
    FourDigitLine(double m_, double p_) : m(m_), p(p_) {}
    Camber at(double x) const override {
        if (m == 0 || p == 0)
            return {};
        if (x < p)
            return {m / (p * p) * (2 * p * x - x * x), 2 * m / (p * p) * (p - x)};
        const double q = (1 - p) * (1 - p);
        return {m / q * (1 - 2 * p + 2 * p * x - x * x), 2 * m / q * (p - x)};
    }
};

// The 5-digit mean lines, tabulated for a design lift coefficient of 0.3 and scaled.
struct FiveDigitLine : MeanLine {
    double m, k1, k2k1, scale;
    bool reflex;
    Camber at(double x) const override {
        const double m3 = m * m * m;
        if (!reflex) {
            if (x < m)
                return {scale * k1 / 6 * (x * x * x - 3 * m * x * x + m * m * (3 - m) * x),
                        scale * k1 / 6 * (3 * x * x - 6 * m * x + m * m * (3 - m))};
            return {scale * k1 * m3 / 6 * (1 - x), -scale * k1 * m3 / 6};
        }
        const double c = std::pow(1 - m, 3);
        const double d = x - m;
        if (x < m)
            return {scale * k1 / 6 * (d * d * d - k2k1 * c * x - m3 * x + m3),
                    scale * k1 / 6 * (3 * d * d - k2k1 * c - m3)};
        return {scale * k1 / 6 * (k2k1 * d * d * d - k2k1 * c * x - m3 * x + m3),
                scale * k1 / 6 * (3 * k2k1 * d * d - k2k1 * c - m3)};
    }
};

std::optional<FiveDigitLine> fiveDigitLine(int designLift, int position, int reflex) {
    struct Row {
        double m, k1, k2k1;
    };
    static constexpr Row standard[] = {{0.0580, 361.400, 0},
                                       {0.1260, 51.640, 0},
                                       {0.2025, 15.957, 0},
                                       {0.2900, 6.643, 0},
                                       {0.3910, 3.230, 0}};
    static constexpr Row reflexed[] = {{0, 0, 0},
                                       {0.1300, 51.990, 0.000764},
                                       {0.2170, 15.793, 0.00677},
                                       {0.3180, 6.520, 0.0303},
                                       {0.4410, 3.191, 0.1355}};
    if (position < 1 || position > 5 || reflex > 1 || (reflex == 1 && position == 1))
        return std::nullopt;
    const Row row = (reflex ? reflexed : standard)[position - 1];
    FiveDigitLine line;
    line.m = row.m;
    line.k1 = row.k1;
    line.k2k1 = row.k2k1;
    line.scale = 0.15 * designLift / 0.3;
    line.reflex = reflex == 1;
    return line;
}

double thickness(double t, double x, NacaTrailingEdge edge) {
    const double last = edge == NacaTrailingEdge::Open ? 0.1015 : 0.1036;
    return 5 * t *
           (0.2969 * std::sqrt(x) - 0.1260 * x - 0.3516 * x * x + 0.2843 * x * x * x -
            last * x * x * x * x);
}

std::unique_ptr<MeanLine> meanLineFor(const std::string& digits, double& t) {
    const auto digit = [&](std::size_t i) { return digits[i] - '0'; };
    if (digits.size() == 4) {
        t = (digit(2) * 10 + digit(3)) / 100.0;
        return std::make_unique<FourDigitLine>(digit(0) / 100.0, digit(1) / 10.0);
    }
    if (digits.size() == 5) {
        t = (digit(3) * 10 + digit(4)) / 100.0;
        if (auto line = fiveDigitLine(digit(0), digit(1), digit(2)); line && digit(0) > 0)
            return std::make_unique<FiveDigitLine>(*line);
    }
    return nullptr;
}

} // namespace

bool isNacaCode(std::string_view text) {
    const std::string digits = nacaDigits(text);
    double t = 0;
    return meanLineFor(digits, t) != nullptr && t > 0;
}

Outline nacaOutline(std::string_view code, int pointsPerSide, NacaTrailingEdge edge) {
    const std::string digits = nacaDigits(code);
    double t = 0;
    const std::unique_ptr<MeanLine> line = meanLineFor(digits, t);
    if (!line || t <= 0)
        throw std::invalid_argument("« " + std::string(code) +
                                    " » n'est pas un profil NACA à 4 ou 5 chiffres connu.");
    if (pointsPerSide < 3)
        throw std::invalid_argument("Il faut au moins 3 points par face.");
    Outline outline;
    outline.name = "NACA " + digits;
    const int n = pointsPerSide - 1;
    std::vector<OutlinePoint> lower;
    for (int i = n; i >= 0; --i) {
        const double x = 0.5 * (1 - std::cos(aero::kPi * i / n));
        const Camber c = line->at(x);
        const double yt = thickness(t, x, edge);
        const double theta = std::atan(c.slope);
        outline.points.push_back({x - yt * std::sin(theta), c.y + yt * std::cos(theta)});
        if (i != 0)
            lower.push_back({x + yt * std::sin(theta), c.y - yt * std::cos(theta)});
    }
    outline.points.insert(outline.points.end(), lower.rbegin(), lower.rend());
    return outline;
}
