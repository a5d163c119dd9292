#include "aero/polarextension.h"

#include "aero/units.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kBackwardsLift = -0.7;
constexpr double kMinDrag = 0.001;
constexpr double kStep = 5 * kRadiansPerDegree;

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
    return a > 0 && a < aero::kPi / 2 - kRadiansPerDegree;
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
