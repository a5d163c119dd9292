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

} // namespace

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

namespace {

constexpr double kAngleTolerance = 2e-4; // radians, past the file's six digits
constexpr double kCoefficientTolerance = 2e-3;

bool near(double a, double b, double tolerance) {
    return std::abs(a - b) <= tolerance * std::max(1.0, std::abs(b));
}

// Whether rows[from, to) continue row `stall` as the extension would, in table order
// (`positive`) or reversed.
bool continues(const std::vector<PolarPoint>& rows, std::size_t stall, std::size_t from,
               std::size_t to, bool positive) {
    const PolarPoint& s = rows[stall];
    if (!extendable(s, positive))
        return false;
    const std::vector<double> angles = anglesBeyond(s.alpha);
    if (angles.size() != to - from)
        return false;
    double cdMax = -1;
    for (std::size_t i = from; i < to; ++i)
        if (std::abs(std::abs(rows[i].alpha) - aero::kPi / 2) < kAngleTolerance)
            cdMax = rows[i].cd;
    if (!(cdMax > 0))
        return false;
    const Viterna side(s.alpha, s.cl, s.cd, cdMax);
    for (std::size_t k = 0; k < angles.size(); ++k) {
        const PolarPoint& row = rows[positive ? from + k : to - 1 - k];
        const PolarPoint expected = side.at(angles[k]);
        if (!near(row.alpha, angles[k], kAngleTolerance) ||
            !near(row.cl, expected.cl, kCoefficientTolerance) ||
            !near(row.cd, expected.cd, kCoefficientTolerance))
            return false;
    }
    return true;
}

} // namespace

RowRange measuredRows(const Polar& polar) {
    const std::vector<PolarPoint>& rows = polar.rows;
    RowRange range{0, rows.size()};
    if (rows.size() < 3)
        return range;
    if (std::abs(rows.back().alpha - aero::kPi) < kAngleTolerance) {
        for (std::size_t k = 0; k + 1 < rows.size(); ++k)
            if (continues(rows, k, k + 1, rows.size(), true)) {
                range.last = k + 1;
                break;
            }
    }
    if (std::abs(rows.front().alpha + aero::kPi) < kAngleTolerance) {
        for (std::size_t k = range.last; k-- > 1;)
            if (continues(rows, k, 0, k, false)) {
                range.first = k;
                break;
            }
    }
    return range;
}
