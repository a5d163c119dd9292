#include "aero/massproperties.h"

#include "aero/units.h"

#include <cmath>
#include <vector>

namespace aero {

namespace {

struct Node {
    double t;
    double w;
};

// Gauss-Legendre nodes on [0, 1]: exact for the plates' cubic integrands.
const Node kGauss3[] = {{0.5 - 0.5 * std::sqrt(0.6), 5.0 / 18},
                        {0.5, 8.0 / 18},
                        {0.5 + 0.5 * std::sqrt(0.6), 5.0 / 18}};
const Node kGauss2[] = {{0.5 - 0.5 / std::sqrt(3.0), 0.5}, {0.5 + 0.5 / std::sqrt(3.0), 0.5}};

constexpr int kRingPoints = 32;

// Raw moments about the file origin, turned into properties about the centre at the end.
class MomentSum {
public:
    void add(double dm, const Vec3& p) {
        mass_ += dm;
        for (int i = 0; i < 3; ++i) {
            first_[i] += dm * p[i];
            square_[i] += dm * p[i] * p[i];
        }
        xz_ += dm * p[0] * p[2];
    }

    MassProperties properties() const {
        MassProperties out;
        out.mass = mass_;
        Vec3 sq{};
        for (int i = 0; i < 3; ++i) {
            out.centre[i] = first_[i] / mass_;
            // Mirrored halves cancel to rounding noise, which would print as a position.
            if (std::abs(out.centre[i]) < 1e-9)
                out.centre[i] = 0;
            sq[i] = square_[i] - mass_ * out.centre[i] * out.centre[i];
        }
        out.inertia = {sq[1] + sq[2], sq[0] + sq[2], sq[0] + sq[1],
                       xz_ - mass_ * out.centre[0] * out.centre[2]};
        return out;
    }

private:
    double mass_ = 0;
    Vec3 first_{0, 0, 0};
    Vec3 square_{0, 0, 0};
    double xz_ = 0;
};

void addPlate(MomentSum& sum, const PaneShape& pane, double density) {
    for (const Node& ns : kGauss3) {
        const double s = ns.t * pane.env;
        const double chord = pane.chordAt(s);
        const Vec3 edge = pane.leadingEdgeAt(s);
        for (const Node& nu : kGauss2) {
            const double dm = density * ns.w * pane.env * nu.w * chord;
            sum.add(dm, {edge[0] + nu.t * chord, edge[1], edge[2]});
        }
    }
}

// Surface weight spread by pane area; false when it has weight and no area to carry it.
bool addSurface(MomentSum& sum, const Surface& surface, int slot) {
    if (surface.weight == 0)
        return true;
    const std::vector<PaneShape> panes = paneShapes(surface, slot);
    double area = 0;
    for (const PaneShape& pane : panes)
        area += pane.area() > 0 ? pane.area() : 0;
    if (!(area > 0) || !std::isfinite(area))
        return false;
    for (const PaneShape& pane : panes)
        if (pane.area() > 0)
            addPlate(sum, pane, surface.weight / area);
    return true;
}

// A thin elliptic ring centred on the body axis, its mass spread by arc length.
void addRing(MomentSum& sum, double mass, double x, double zc, double a, double b) {
    double weights[kRingPoints];
    double total = 0;
    for (int k = 0; k < kRingPoints; ++k) {
        const double t = 2 * kPi * (k + 0.5) / kRingPoints;
        weights[k] = std::hypot(a * std::sin(t), b * std::cos(t));
        total += weights[k];
    }
    for (int k = 0; k < kRingPoints; ++k) {
        const double t = 2 * kPi * (k + 0.5) / kRingPoints;
        const double w = total > 0 ? weights[k] / total : 1.0 / kRingPoints;
        sum.add(mass * w, {x, a * std::cos(t), zc + b * std::sin(t)});
    }
}

struct Section {
    double x, zc, a, b;
};

Section sectionOf(const BodySection& s) {
    return {s.x, s.z + s.h / 2.0, s.l / 2.0, s.h / 2.0};
}

double segmentArea(const Section& s0, const Section& s1) {
    return (ellipsePerimeter(s0.a, s0.b) + ellipsePerimeter(s1.a, s1.b)) / 2 *
           std::abs(s1.x - s0.x);
}

bool addBody(MomentSum& sum, const Body& body) {
    if (body.weight == 0)
        return true;
    const std::vector<BodySection>& sections = body.sections;
    if (sections.empty())
        return false;
    const double skin = bodyWettedArea(body);
    if (!(skin > 0) || !std::isfinite(skin)) {
        // No skin to spread over: the weight sits in rings at the sections.
        for (const BodySection& s : sections) {
            const Section r = sectionOf(s);
            addRing(sum, body.weight / double(sections.size()), r.x, r.zc, r.a, r.b);
        }
        return true;
    }
    for (std::size_t i = 0; i + 1 < sections.size(); ++i) {
        const Section s0 = sectionOf(sections[i]);
        const Section s1 = sectionOf(sections[i + 1]);
        const double mass = body.weight * segmentArea(s0, s1) / skin;
        if (!(mass > 0))
            continue;
        // Within the segment the mass follows the local perimeter.
        double perimeters[3];
        double total = 0;
        for (int k = 0; k < 3; ++k) {
            const double t = kGauss3[k].t;
            perimeters[k] =
                kGauss3[k].w * ellipsePerimeter(s0.a + t * (s1.a - s0.a), s0.b + t * (s1.b - s0.b));
            total += perimeters[k];
        }
        for (int k = 0; k < 3; ++k) {
            const double t = kGauss3[k].t;
            addRing(sum, mass * perimeters[k] / total, s0.x + t * (s1.x - s0.x),
                    s0.zc + t * (s1.zc - s0.zc), s0.a + t * (s1.a - s0.a),
                    s0.b + t * (s1.b - s0.b));
        }
    }
    return true;
}

} // namespace

double ellipsePerimeter(double a, double b) {
    a = std::abs(a);
    b = std::abs(b);
    return kPi * (3 * (a + b) - std::sqrt((3 * a + b) * (a + 3 * b)));
}

double bodyWettedArea(const Body& body) {
    double area = 0;
    for (std::size_t i = 0; i + 1 < body.sections.size(); ++i)
        area += segmentArea(sectionOf(body.sections[i]), sectionOf(body.sections[i + 1]));
    return area;
}

std::variant<MassProperties, Unavailable> massProperties(const Glider& glider) {
    double total = glider.body.weight;
    bool negative = glider.body.weight < 0;
    for (const Surface& surface : glider.surfaces) {
        total += surface.weight;
        negative = negative || surface.weight < 0;
    }
    if (negative)
        return Unavailable::NegativeWeight;
    if (!(total > 0))
        return Unavailable::NoWeight;

    MomentSum sum;
    for (int slot = 0; slot < Glider::kSlots; ++slot)
        if (!addSurface(sum, glider.surfaces[slot], slot))
            return Unavailable::MassWithoutShape;
    if (!addBody(sum, glider.body))
        return Unavailable::MassWithoutShape;
    return sum.properties();
}

} // namespace aero
