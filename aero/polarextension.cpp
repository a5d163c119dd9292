#include "aero/polarextension.h"

#include "aero/units.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kDegree = aero::kPi / 180;
constexpr double kBackwardsLift = -0.7;
constexpr double kMinDrag = 0.001;
constexpr double kStep = 5 * kDegree;

// Viterna–Corrigan coefficients from one stall point; angles in radians, the stall on the
// side being extended (negative for the negative side).
struct Viterna {
    double alphaStall, clStall, cdMax, a, b;

    Viterna(double alpha, double cl, double cd, double cdMaximum)
        : alphaStall(alpha), clStall(cl), cdMax(cdMaximum) {
        const double s = std::sin(alpha);
        const double c = std::cos(alpha);
        a = (cl - cdMax * s * c) * s / (c * c);
        b = (cd - cdMax * s * s) / c;
    }

    double lift(double alpha) const {
        const double s = std::sin(alpha);
        const double c = std::cos(alpha);
        return cdMax / 2 * std::sin(2 * alpha) + a * c * c / s;
    }
    double drag(double alpha) const {
        const double s = std::sin(alpha);
        return std::max(kMinDrag, cdMax * s * s + b * std::cos(alpha));
    }

    // Beyond the stall on its side, |alpha| up to 180°.
    PolarPoint at(double alpha) const {
        const double sign = alphaStall > 0 ? 1 : -1;
        const double half = sign * aero::kPi / 2;
        const double mirrored = sign * aero::kPi - alpha;
        PolarPoint p;
        p.alpha = static_cast<float>(alpha);
        if (sign * alpha <= sign * half) {
            p.cl = static_cast<float>(alpha == half ? 0.0 : lift(alpha));
            p.cd = static_cast<float>(drag(alpha));
            return p;
        }
        p.cd = static_cast<float>(drag(mirrored));
        if (sign * mirrored >= sign * alphaStall) {
            p.cl = static_cast<float>(kBackwardsLift * lift(mirrored));
        } else {
            // Linear from -0.7·cl_s at 180° − α_s to 0 at 180°.
            p.cl = static_cast<float>(kBackwardsLift * clStall * mirrored / alphaStall);
        }
        return p;
    }
};

// The angles beyond |alphaStall| up to 180° on its side: every 5°, plus 180° − α_s.
std::vector<double> anglesBeyond(double alphaStall) {
    const double sign = alphaStall > 0 ? 1 : -1;
    const double stall = std::abs(alphaStall);
    std::vector<double> angles;
    for (double a = (std::floor(stall / kStep + 1e-9) + 1) * kStep; a < aero::kPi + 1e-9;
         a += kStep) {
        if (a - stall > 1e-6)
            angles.push_back(std::min(a, aero::kPi));
    }
    const double kink = aero::kPi - stall;
    if (kink > stall && std::none_of(angles.begin(), angles.end(),
                                     [&](double a) { return std::abs(a - kink) < 1e-6; }))
        angles.push_back(kink);
    std::sort(angles.begin(), angles.end());
    for (double& a : angles)
        a *= sign;
    return angles;
}

bool extendable(const PolarPoint& p, bool positive) {
    const double a = positive ? p.alpha : -p.alpha;
    return a > 0 && a < aero::kPi / 2 - kDegree;
}

// The extension's rows on the stall's side, outwards from it.
std::vector<PolarPoint> beyond(const PolarPoint& stall, double cdMax) {
    const Viterna side(stall.alpha, stall.cl, stall.cd, cdMax);
    std::vector<PolarPoint> rows;
    for (double a : anglesBeyond(stall.alpha))
        rows.push_back(side.at(a));
    if (stall.alpha < 0)
        std::reverse(rows.begin(), rows.end());
    return rows;
}

// Equal as far as a file's "%.6g" and float keep.
bool sameRow(const PolarPoint& a, const PolarPoint& b) {
    const auto near = [](double x, double y) {
        return std::abs(x - y) <= 1e-4 + 1e-4 * std::max(std::abs(x), std::abs(y));
    };
    return near(a.alpha, b.alpha) && near(a.cl, b.cl) && near(a.cd, b.cd);
}

// Whether the rows beyond `stall` (outwards, in table order from it) are its extension.
template <typename It> bool extendsFrom(const PolarPoint& stall, It begin, It end, double cdMax) {
    if (!extendable(stall, stall.alpha > 0))
        return false;
    std::vector<PolarPoint> expected = beyond(stall, cdMax);
    if (stall.alpha < 0)
        std::reverse(expected.begin(), expected.end());
    if (static_cast<std::ptrdiff_t>(expected.size()) != std::distance(begin, end))
        return false;
    return std::equal(begin, end, expected.begin(), sameRow);
}

std::size_t rowAt(const Polar& polar, double alpha) {
    for (std::size_t i = 0; i < polar.rows.size(); ++i) {
        if (std::abs(polar.rows[i].alpha - alpha) < 1e-4)
            return i;
    }
    return polar.rows.size();
}

} // namespace

RowRange measuredRows(const Polar& polar) {
    const std::size_t n = polar.rows.size();
    RowRange range{0, n};
    const std::size_t up = rowAt(polar, aero::kPi / 2);
    if (up < n) {
        const double cdMax = polar.rows[up].cd;
        for (std::size_t s = up; s-- > 0 && polar.rows[s].alpha > 0;) {
            if (extendsFrom(polar.rows[s], polar.rows.begin() + s + 1, polar.rows.end(), cdMax)) {
                range.last = s + 1;
                break;
            }
        }
    }
    const std::size_t down = rowAt(polar, -aero::kPi / 2);
    if (down < n) {
        const double cdMax = polar.rows[down].cd;
        for (std::size_t s = down + 1; s < range.last && polar.rows[s].alpha < 0; ++s) {
            if (extendsFrom(polar.rows[s], polar.rows.rbegin() + (n - s), polar.rows.rend(),
                            cdMax)) {
                range.first = s;
                break;
            }
        }
    }
    return range;
}

Polar extendPolar(const Polar& polar, double cdMax) {
    if (polar.rows.size() < 2)
        return polar;
    Polar result;
    result.reynolds = polar.reynolds;
    const PolarPoint& first = polar.rows.front();
    const PolarPoint& last = polar.rows.back();
    if (extendable(first, false)) {
        const Viterna side(first.alpha, first.cl, first.cd, cdMax);
        const std::vector<double> angles = anglesBeyond(first.alpha);
        for (auto it = angles.rbegin(); it != angles.rend(); ++it)
            result.rows.push_back(side.at(*it));
    }
    result.rows.insert(result.rows.end(), polar.rows.begin(), polar.rows.end());
    if (extendable(last, true)) {
        const Viterna side(last.alpha, last.cl, last.cd, cdMax);
        for (double a : anglesBeyond(last.alpha))
            result.rows.push_back(side.at(a));
    }
    result.zeroIndex =
        static_cast<int>(std::find_if(result.rows.begin(), result.rows.end(),
                                      [](const PolarPoint& p) { return p.alpha >= 0; }) -
                         result.rows.begin());
    return result;
}
