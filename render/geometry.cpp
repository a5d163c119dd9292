#include "geometry.h"

#include "model/angles.h"
#include "model/body.h"
#include "model/foil.h"
#include "model/pane.h"

#include <cmath>
#include <cstddef>

namespace {

constexpr double kRingStep = 0.785398163375; // a quarter of pi, as the rings were always cut

template <typename T> bool finite(const std::array<T, 3>& v) {
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

bool finite(const Vertex& v) {
    return finite(v.position) && finite(v.normal) && std::isfinite(v.texCoord[0]) &&
           std::isfinite(v.texCoord[1]);
}

Vec3f endNormal(const FoilPoint& a, const FoilPoint& b) {
    return {a.y - b.y, 0.0f, a.x - b.x};
}

// Twice the centre of the circle through the neighbours gives the direction away from it.
// Collinear neighbours have no circle; the end rule over the two neighbours stands in.
Vec3f profileNormal(const std::vector<FoilPoint>& pts, std::size_t k) {
    const std::size_t n = pts.size();
    if (k == 0)
        return endNormal(pts[0], pts[1]);
    if (k == n - 1)
        return endNormal(pts[n - 2], pts[n - 1]);
    const FoilPoint& p = pts[k + 1];
    const FoilPoint& q = pts[k];
    const FoilPoint& m = pts[k - 1];
    const float k1 = (q.x * q.x + q.y * q.y) - (m.x * m.x + m.y * m.y);
    const float k2 = (p.x * p.x + p.y * p.y) - (q.x * q.x + q.y * q.y);
    const float d = (m.x - q.x) * (p.y - q.y) - (q.x - p.x) * (q.y - m.y);
    if (d != 0.0f) {
        const float xc = ((q.y - m.y) * k2 - (p.y - q.y) * k1) / d;
        const float yc = ((m.x - q.x) * k2 - (q.x - p.x) * k1) / d;
        const Vec3f normal{xc - q.x, 0.0f, q.y - yc};
        if (finite(normal))
            return normal;
    }
    return endNormal(m, p);
}

// Upper surface 0 to 0.5 from the leading edge, lower surface 0.5 to 1.
float profileT(const std::vector<FoilPoint>& pts, std::size_t k) {
    if (k == 0)
        return 0.5f;
    if (k == pts.size() - 1)
        return 1.0f;
    const float x = pts[k].x;
    return x >= pts[k - 1].x ? (x + 1.0f) / 2.0f : x / 2.0f;
}

// (S - Y0 - offset) / (2S) in double. A surface without span has nothing to spread the
// image over: use the middle column.
float spanS(float spanSum, double rootY, double offset) {
    const double span = spanSum;
    if (span == 0.0)
        return 0.5f;
    const double s = (span - rootY - offset) / (2.0 * span);
    return std::isfinite(s) ? float(s) : 0.5f;
}

// (-x, (l/2) cos a, z + (h/2)(1 + sin a)), in double from the section's values.
Vec3f ringPoint(const BodySection& section, double cosA, double sinA) {
    const double x = section.x;
    const double z = section.z;
    const double h = section.h;
    const double l = section.l;
    return {float(-x), float(l / 2 * cosA), float(z + h / 2 * (1 + sinA))};
}

} // namespace

PaneStrip paneStrip(const Pane& pane, bool textured, float spanSum) {
    PaneStrip strip;
    strip.translation = pane.rootPoint;
    strip.rotationDegrees = double(pane.side) * double(pane.diedre) * kRadiansToDegrees;
    if (pane.foil == nullptr || pane.foil->points.size() < 2)
        return strip;

    const std::vector<FoilPoint>& pts = pane.foil->points;
    const double y0 = pane.rootPoint[1];
    const float sRoot = spanS(spanSum, y0, 0.0);
    const float sTip = spanS(spanSum, y0, double(pane.side) * double(pane.env));

    // A chord below zero would turn its end of the pane inside out and cross the strip into a
    // bow tie; a file may hold one, the pages refuse it. It is drawn as a point.
    const float c1 = pane.c1 < 0 ? 0.0f : pane.c1;
    const float c2 = pane.c2 < 0 ? 0.0f : pane.c2;
    strip.vertices.reserve(2 * pts.size());
    for (std::size_t k = 0; k < pts.size(); ++k) {
        const FoilPoint& pt = pts[k];
        const Vec3f normal = profileNormal(pts, k);
        const float t = profileT(pts, k);
        const Vertex root{{-pt.x * c1, 0.0f, pt.y * c1}, normal, {sRoot, t}, textured};
        const Vertex tip{{-pane.fleche - pt.x * c2, float(pane.side) * pane.env, pt.y * c2},
                         normal,
                         {sTip, t},
                         textured};
        if (pane.side > 0) {
            strip.vertices.push_back(tip);
            strip.vertices.push_back(root);
        } else {
            strip.vertices.push_back(root);
            strip.vertices.push_back(tip);
        }
    }

    bool drawable = finite(strip.translation) && std::isfinite(strip.rotationDegrees);
    for (const Vertex& v : strip.vertices)
        drawable = drawable && finite(v);
    if (!drawable)
        strip.vertices.clear();
    return strip;
}

std::vector<std::vector<Vertex>> bodyStrips(const Body& body, bool textured) {
    std::vector<std::vector<Vertex>> strips;
    const std::size_t m = body.sections.size();
    if (m < 2)
        return strips;
    const double last = double(m - 1);

    strips.reserve(m - 1);
    for (std::size_t i = 0; i + 1 < m; ++i) {
        const BodySection& a = body.sections[i];
        const BodySection& b = body.sections[i + 1];
        std::vector<Vertex> strip;
        strip.reserve(18);
        for (int j = 0; j <= 8; ++j) {
            const double angle = j * kRingStep;
            const double c = std::cos(angle);
            const double s = std::sin(angle);
            const Vec3f normal{0.0f, float(c), float(s)};
            const float u = float(j) * 0.125f;
            strip.push_back({ringPoint(a, c, s), normal, {u, float(double(i) / last)}, textured});
            strip.push_back(
                {ringPoint(b, c, s), normal, {u, float(double(i + 1) / last)}, textured});
        }
        bool drawable = true;
        for (const Vertex& v : strip)
            drawable = drawable && finite(v);
        if (drawable)
            strips.push_back(std::move(strip));
    }
    return strips;
}
