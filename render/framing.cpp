#include "framing.h"

#include "listplan.h"
#include "model/angles.h"
#include "model/glider.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

void addPaneVertices(const Pane& pane, float spanSum, const Vec3f& shift, std::vector<Vec3f>& out) {
    const PaneStrip strip = paneStrip(pane, false, spanSum);
    for (const Vertex& v : strip.vertices) {
        const Vec3f p = rotatedX(v.position, strip.rotationDegrees);
        out.push_back({float(p[0] + strip.translation[0] + shift[0]),
                       float(p[1] + strip.translation[1] + shift[1]),
                       float(p[2] + strip.translation[2] + shift[2])});
    }
}

} // namespace

Vec3f rotatedX(const Vec3f& p, double degrees) {
    const double a = degrees * kRadiansPerDegree;
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {p[0], float(p[1] * c - p[2] * s), float(p[1] * s + p[2] * c)};
}

Vec3f rotatedZ(const Vec3f& p, double degrees) {
    const double a = degrees * kRadiansPerDegree;
    const double c = std::cos(a);
    const double s = std::sin(a);
    return {float(p[0] * c - p[1] * s), float(p[0] * s + p[1] * c), p[2]};
}

std::vector<Vec3f> gliderPoints(const Glider& glider, int visibility) {
    RederiveResult everyPart;
    everyPart.body = true;
    everyPart.surfaces.fill(true);
    const ListPlan plan = maskedListPlan(glider, visibility, everyPart);
    const Vec3f& shift = plan.translation;
    std::vector<Vec3f> points;
    for (int part : plan.parts) {
        if (part == ListPlan::kBodyPart) {
            for (const std::vector<Vertex>& strip : bodyStrips(glider.body, false))
                for (const Vertex& v : strip)
                    points.push_back({v.position[0] + shift[0], v.position[1] + shift[1],
                                      v.position[2] + shift[2]});
            continue;
        }
        const Surface& surface = glider.surfaces[part];
        for (const Pane& pane : surface.panes())
            addPaneVertices(pane, surface.spanSum, shift, points);
    }
    return points;
}

std::optional<double> framingDistance(const std::vector<Vec3f>& eyePoints, double fovyDegrees,
                                      double aspect, double fill, double nearPlane) {
    if (eyePoints.empty())
        return std::nullopt;
    const double halfHeight = fill * std::tan(fovyDegrees * std::numbers::pi / 360.0);
    const double halfWidth = halfHeight * aspect;
    double distance = 0;
    // A point at depth d from the eye shows within the window when |x| <= d * halfWidth
    // and |y| <= d * halfHeight; the eye sits at the distance on the z axis.
    for (const Vec3f& p : eyePoints) {
        const double depth =
            std::max({std::abs(p[0]) / halfWidth, std::abs(p[1]) / halfHeight, nearPlane});
        distance = std::max(distance, double(p[2]) + depth);
    }
    return distance;
}
