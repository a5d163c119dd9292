#include "aero/gliderlattice.h"

#include "aero/units.h"

#include <algorithm>
#include <cmath>

namespace aero {

namespace {

constexpr int kBodyStations = 40;
constexpr double kMaxFlowAngleRatio = 3;

LiftingSurface liftingSurface(const Glider& glider, Part part) {
    const int slot = part == Part::Wing ? WingLeft : part == Part::Stabiliser ? StabLeft : Fin;
    const Surface& surface = glider.surfaces[slot];
    return {part, paneShapes(surface, slot), part != Part::Fin, double(surface.calage),
            MeanLine(surface.foil.points)};
}

// The body's width and axis height at x, linear between sections.
struct BodyStation {
    double width = 0;
    double axisZ = 0;
};

BodyStation bodyAt(const std::vector<BodySection>& sections, double x) {
    for (std::size_t i = 1; i < sections.size(); ++i) {
        const BodySection& a = sections[i - 1];
        const BodySection& b = sections[i];
        const double lo = std::min<double>(a.x, b.x);
        const double hi = std::max<double>(a.x, b.x);
        if (x < lo || x > hi)
            continue;
        const double t = hi > lo ? (x - a.x) / (double(b.x) - a.x) : 0;
        const auto mix = [t](double u, double v) { return u + t * (v - u); };
        return {std::abs(mix(a.l, b.l)), mix(a.z + a.h / 2.0, b.z + b.h / 2.0)};
    }
    return {};
}

double fuselageMomentSlope(const Glider& glider, const VortexLattice& lattice,
                           const Planform& wing) {
    const std::vector<BodySection>& sections = glider.body.sections;
    if (sections.size() < 2)
        return 0;
    double lo = sections.front().x;
    double hi = lo;
    for (const BodySection& s : sections) {
        lo = std::min<double>(lo, s.x);
        hi = std::max<double>(hi, s.x);
    }
    const std::vector<PaneShape> panes = paneShapes(glider.surfaces[WingLeft], WingLeft);
    if (!(hi > lo) || panes.empty() || !std::isfinite(hi - lo))
        return 0;
    const double rootLeadingEdge = panes.front().root[0];
    const double rootTrailingEdge = rootLeadingEdge + panes.front().c1;
    const double step = (hi - lo) / kBodyStations;
    double sum = 0;
    for (int i = 0; i < kBodyStations; ++i) {
        const double x = lo + (i + 0.5) * step;
        if (x >= rootLeadingEdge && x <= rootTrailingEdge)
            continue;
        const BodyStation station = bodyAt(sections, x);
        const double ratio = std::clamp(1 + lattice.wingUpwashPerAlpha({x, 0, station.axisZ}), 0.0,
                                        kMaxFlowAngleRatio);
        sum += station.width * station.width * ratio * step;
    }
    const double slope = kPi / 2 * sum / (wing.area * wing.meanChord);
    return std::isfinite(slope) ? slope : 0;
}

} // namespace

GliderLattice::Attitude GliderLattice::trimmedAt(double cl) const {
    const Linear& lift = lattice.lift();
    if (hasElevator) {
        // lift(α, δ) = cl and moment(α, δ) = 0, two equations linear in α and δ.
        const double a = lift.perAlpha;
        const double b = lift.perElevator;
        const double c = lattice.moment().perAlpha + fuselageMomentSlope;
        const double d = lattice.moment().perElevator;
        const double det = a * d - b * c;
        if (std::abs(det) > 1e-9 * (std::abs(a * d) + std::abs(b * c))) {
            const double r1 = cl - lift.at0;
            const double r2 = -lattice.moment().at0;
            return {(r1 * d - b * r2) / det, (a * r2 - c * r1) / det};
        }
    }
    return {(cl - lift.at0) / lift.perAlpha, 0};
}

std::optional<double> GliderLattice::untrimmedBalance() const {
    const double slope = momentSlope();
    if (!(std::abs(slope) > 1e-12))
        return std::nullopt;
    return -lattice.moment().at0 / slope;
}

std::optional<GliderLattice> gliderLattice(const Glider& glider, const Planform& wing,
                                           double centreX, const LatticeSettings& settings) {
    std::vector<LiftingSurface> surfaces{liftingSurface(glider, Part::Wing)};
    const bool stabiliser = planformOf(glider, Part::Stabiliser).has_value();
    if (stabiliser)
        surfaces.push_back(liftingSurface(glider, Part::Stabiliser));
    if (planformOf(glider, Part::Fin))
        surfaces.push_back(liftingSurface(glider, Part::Fin));
    VortexLattice lattice(surfaces, wing.area, wing.meanChord, centreX, settings.resolution);
    if (!lattice.valid() || !(std::abs(lattice.lift().perAlpha) > 0))
        return std::nullopt;
    const bool elevator = stabiliser && std::abs(lattice.lift().perElevator) > 0;
    GliderLattice result{std::move(lattice), centreX, wing.meanChord, 0, elevator};
    if (settings.fuselage)
        result.fuselageMomentSlope = fuselageMomentSlope(glider, result.lattice, wing);
    if (!std::isfinite(result.neutralPointX()))
        return std::nullopt;
    return result;
}

} // namespace aero
