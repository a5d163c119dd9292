#include "aero/repanel.h"

#include "aero/units.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace {

// Natural cubic spline through (s[i], v[i]), s strictly increasing.
class Spline {
public:
    Spline(const std::vector<double>& s, const std::vector<double>& v) : s_(s), v_(v) {
        const std::size_t n = s.size();
        d2_.assign(n, 0.0);
        std::vector<double> c(n, 0.0);
        for (std::size_t i = 1; i + 1 < n; ++i) {
            const double h0 = s[i] - s[i - 1];
            const double h1 = s[i + 1] - s[i];
            const double pivot = 2 * (h0 + h1) - h0 * c[i - 1];
            c[i] = h1 / pivot;
            const double rhs = 6 * ((v[i + 1] - v[i]) / h1 - (v[i] - v[i - 1]) / h0);
            d2_[i] = (rhs - h0 * d2_[i - 1]) / pivot;
        }
        for (std::size_t i = n - 1; i-- > 1;)
            d2_[i] -= c[i] * d2_[i + 1];
    }

    double operator()(double t) const { return eval(t, false); }
    double slope(double t) const { return eval(t, true); }

private:
    double eval(double t, bool derivative) const {
        std::size_t lo = 0;
        std::size_t hi = s_.size() - 1;
        while (hi - lo > 1) {
            const std::size_t mid = (lo + hi) / 2;
            (s_[mid] > t ? hi : lo) = mid;
        }
        const double h = s_[hi] - s_[lo];
        const double a = (s_[hi] - t) / h;
        const double b = (t - s_[lo]) / h;
        if (derivative)
            return (v_[hi] - v_[lo]) / h - (3 * a * a - 1) * h / 6 * d2_[lo] +
                   (3 * b * b - 1) * h / 6 * d2_[hi];
        return a * v_[lo] + b * v_[hi] +
               ((a * a * a - a) * d2_[lo] + (b * b * b - b) * d2_[hi]) * h * h / 6;
    }

    std::vector<double> s_, v_, d2_;
};

std::vector<OutlinePoint> withoutRepeats(const std::vector<OutlinePoint>& points) {
    std::vector<OutlinePoint> kept;
    for (const OutlinePoint& p : points) {
        if (kept.empty() || std::hypot(p.x - kept.back().x, p.y - kept.back().y) > 1e-9)
            kept.push_back(p);
    }
    return kept;
}

// Arc length where the spline's x is smallest: dx/ds = 0 near the sharpest given point.
double leadingEdge(const Spline& x, const std::vector<double>& s, std::size_t nearest) {
    double lo = s[nearest == 0 ? 0 : nearest - 1];
    double hi = s[std::min(nearest + 1, s.size() - 1)];
    if (x.slope(lo) > 0 || x.slope(hi) < 0)
        return s[nearest];
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (x.slope(mid) < 0 ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

} // namespace

Outline repanel(const Outline& outline, int pointCount) {
    const std::vector<OutlinePoint> points = withoutRepeats(outline.points);
    if (pointCount < 5 || points.size() < 5)
        throw std::invalid_argument("repanel needs at least 5 points");
    std::vector<double> s(points.size()), xs(points.size()), ys(points.size());
    std::size_t nose = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (i > 0)
            s[i] =
                s[i - 1] + std::hypot(points[i].x - points[i - 1].x, points[i].y - points[i - 1].y);
        xs[i] = points[i].x;
        ys[i] = points[i].y;
        if (xs[i] < xs[nose])
            nose = i;
    }
    const Spline x(s, xs), y(s, ys);
    const double sLe = leadingEdge(x, s, nose);
    const double sEnd = s.back();

    // An even count gives the upper surface the extra point.
    const int upper = pointCount / 2 + 1;
    const int lower = pointCount - upper + 1;
    Outline result;
    result.name = outline.name;
    result.points.reserve(pointCount);
    for (int i = 0; i < upper; ++i) {
        const double f = 0.5 * (1 - std::cos(aero::kPi * i / (upper - 1)));
        const double t = f * sLe;
        result.points.push_back({x(t), y(t)});
    }
    for (int i = 1; i < lower; ++i) {
        const double f = 0.5 * (1 - std::cos(aero::kPi * i / (lower - 1)));
        const double t = sLe + f * (sEnd - sLe);
        result.points.push_back({x(t), y(t)});
    }
    result.points.front() = points.front();
    result.points.back() = points.back();
    return result;
}
