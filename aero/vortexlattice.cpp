#include "aero/vortexlattice.h"

#include "aero/units.h"

#include <Eigen/Dense>

#include <algorithm>
#include <cmath>

namespace aero {

namespace {

constexpr int kMeanLineSteps = 40;
// Rankine core radius of a vortex leg, as a fraction of its bound leg's length: only points
// almost on a leg (a tail behind a wing's trailing leg) feel it.
constexpr double kCore = 0.02;
constexpr double kFourPi = 4 * kPi;

Vec3 operator-(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}
Vec3 operator+(const Vec3& a, const Vec3& b) {
    return {a[0] + b[0], a[1] + b[1], a[2] + b[2]};
}
Vec3 operator*(double k, const Vec3& a) {
    return {k * a[0], k * a[1], k * a[2]};
}
double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}
Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
double norm(const Vec3& a) {
    return std::sqrt(dot(a, a));
}

// Velocity of a unit vortex segment from a to b at p.
Vec3 segmentVelocity(const Vec3& p, const Vec3& a, const Vec3& b, double core2) {
    const Vec3 r1 = p - a;
    const Vec3 r2 = p - b;
    const Vec3 r0 = b - a;
    const Vec3 c = cross(r1, r2);
    const double l1 = norm(r1);
    const double l2 = norm(r2);
    if (l1 == 0 || l2 == 0)
        return {0, 0, 0};
    const double c2 = std::max(dot(c, c), core2 * dot(r0, r0));
    if (c2 == 0)
        return {0, 0, 0};
    const double k = (dot(r0, r1) / l1 - dot(r0, r2) / l2) / (kFourPi * c2);
    return k * c;
}

// Velocity of a unit vortex running from q along +x to infinity.
Vec3 trailingVelocity(const Vec3& p, const Vec3& q, double core2) {
    const Vec3 r = p - q;
    const double h2 = std::max(r[1] * r[1] + r[2] * r[2], core2);
    const double l = norm(r);
    if (h2 == 0 || l == 0)
        return {0, 0, 0};
    const double k = (1 + r[0] / l) / (kFourPi * h2);
    return {0, -k * r[2], k * r[1]};
}

double interpolate(const std::vector<std::pair<double, double>>& branch, double x) {
    const auto upper = std::lower_bound(branch.begin(), branch.end(), x,
                                        [](const auto& p, double v) { return p.first < v; });
    if (upper == branch.begin())
        return upper->second;
    if (upper == branch.end())
        return branch.back().second;
    const auto lower = upper - 1;
    const double span = upper->first - lower->first;
    const double t = span > 0 ? (x - lower->first) / span : 0;
    return lower->second + t * (upper->second - lower->second);
}

// Spanwise edges of a half by the full-span cosine law, every pane edge kept.
struct StripEdge {
    std::size_t pane;
    double from;
    double to;
    double control; // midway in the cosine parameter
};

std::vector<StripEdge> spanwiseStrips(const std::vector<PaneShape>& panes, int count) {
    double total = 0;
    for (const PaneShape& p : panes)
        total += p.env;
    std::vector<StripEdge> strips;
    double start = 0;
    for (std::size_t i = 0; i < panes.size(); ++i) {
        const double env = panes[i].env;
        const double phiA = std::asin(std::clamp(start / total, 0.0, 1.0));
        const double phiB = std::asin(std::clamp((start + env) / total, 0.0, 1.0));
        const int n = std::max(1, int(std::lround(count * (phiB - phiA) / (kPi / 2))));
        double from = 0;
        for (int k = 1; k <= n; ++k) {
            const auto at = [&](double step) {
                return std::clamp(total * std::sin(phiA + (phiB - phiA) * step / n) - start, 0.0,
                                  env);
            };
            const double to = k == n ? env : std::max(from, at(k));
            strips.push_back({i, from, to, std::clamp(at(k - 0.5), from, to)});
            from = to;
        }
        start += env;
    }
    return strips;
}

bool usablePane(const PaneShape& p) {
    return std::isfinite(p.env) && std::isfinite(p.c1) && std::isfinite(p.c2) &&
           std::isfinite(p.fleche) && std::isfinite(p.dihedral) && std::isfinite(p.root[0]) &&
           std::isfinite(p.root[1]) && std::isfinite(p.root[2]) && p.env > 0 && p.c1 >= 0 &&
           p.c2 >= 0 && p.c1 + p.c2 > 0;
}

} // namespace

MeanLine::MeanLine(const std::vector<FoilPoint>& outline) {
    if (outline.size() < 5)
        return;
    std::size_t lead = 0;
    for (std::size_t i = 1; i < outline.size(); ++i)
        if (outline[i].x < outline[lead].x)
            lead = i;
    double lo = outline[lead].x;
    double hi = lo;
    for (const FoilPoint& p : outline)
        hi = std::max<double>(hi, p.x);
    if (!(hi - lo > 0) || lead == 0 || lead + 1 == outline.size())
        return;
    std::vector<std::pair<double, double>> first, second;
    for (std::size_t i = 0; i <= lead; ++i)
        first.emplace_back((outline[i].x - lo) / (hi - lo), outline[i].y / (hi - lo));
    for (std::size_t i = lead; i < outline.size(); ++i)
        second.emplace_back((outline[i].x - lo) / (hi - lo), outline[i].y / (hi - lo));
    std::stable_sort(first.begin(), first.end());
    std::stable_sort(second.begin(), second.end());
    std::vector<double> mean;
    for (int k = 0; k <= kMeanLineSteps; ++k) {
        const double x = double(k) / kMeanLineSteps;
        mean.push_back((interpolate(first, x) + interpolate(second, x)) / 2);
    }
    for (int k = 0; k < kMeanLineSteps; ++k) {
        const double slope = (mean[k + 1] - mean[k]) * kMeanLineSteps;
        if (!std::isfinite(slope)) {
            slopes_.clear();
            return;
        }
        slopes_.push_back(slope);
    }
}

double MeanLine::slopeAt(double x) const {
    if (slopes_.empty())
        return 0;
    const double at = std::clamp(x * kMeanLineSteps - 0.5, 0.0, double(kMeanLineSteps - 1));
    const std::size_t i = std::min(std::size_t(at), slopes_.size() - 2);
    const double t = at - double(i);
    return slopes_[i] + t * (slopes_[i + 1] - slopes_[i]);
}

struct VortexLattice::Panel {
    Vec3 a, b; // bound leg, oriented so that positive circulation lifts along the normal
    Vec3 control;
    Vec3 normal;         // tilted by incidence and camber
    double core2 = 0;    // squared core radius
    double elevator = 0; // change of the right-hand side per radian of elevator
    std::size_t strip = 0;
    Eigen::Index unknown = 0; // shared with the mirror image
    bool mirrored = false;
    Part part = Part::Wing;
    Linear circulation;
};

namespace {

// The Trefftz-plane trace of a strip: the two trailing legs and the normal.
struct Trace {
    double ya, za, yb, zb;
    double ny, nz;
    double y, z; // where the wash is taken
};

} // namespace

VortexLattice::VortexLattice(const std::vector<LiftingSurface>& surfaces, double referenceArea,
                             double referenceChord, double referenceX, LatticeResolution resolution)
    : referenceArea_(referenceArea), referenceChord_(referenceChord), referenceX_(referenceX) {
    if (!(referenceArea > 0) || !(referenceChord > 0) || !std::isfinite(referenceX))
        return;
    build(surfaces, resolution);
    if (!panels_.empty())
        solve();
}

VortexLattice::~VortexLattice() = default;
VortexLattice::VortexLattice(VortexLattice&&) noexcept = default;
VortexLattice& VortexLattice::operator=(VortexLattice&&) noexcept = default;

void VortexLattice::build(const std::vector<LiftingSurface>& surfaces,
                          LatticeResolution resolution) {
    const int chordwise = std::max(1, resolution.chordwise);
    for (const LiftingSurface& surface : surfaces) {
        std::vector<PaneShape> half;
        for (const PaneShape& p : surface.panes)
            if (usablePane(p))
                half.push_back(p);
        if (half.empty())
            continue;
        // Halves that start off the centre plane are joined across it, as the wing carries
        // its lift through the fuselage.
        const PaneShape& first = half.front();
        if (surface.mirrored && first.side * first.root[1] > 0) {
            PaneShape join = first;
            join.env = std::abs(first.root[1]);
            join.c2 = first.c1;
            join.fleche = 0;
            join.dihedral = 0;
            join.root[1] = 0;
            half.insert(half.begin(), join);
        }
        const int count =
            std::max(1, surface.part == Part::Wing ? resolution.spanwise : resolution.spanwise / 2);
        const std::vector<StripEdge> edges = spanwiseStrips(half, count);
        const std::size_t firstPanel = panels_.size();
        std::size_t halfCount = 0;
        for (int mirror = 0; mirror < (surface.mirrored ? 2 : 1); ++mirror) {
            if (mirror)
                halfCount = panels_.size() - firstPanel;
            for (const StripEdge& edge : edges) {
                PaneShape pane = half[edge.pane];
                if (mirror) {
                    pane.side = -pane.side;
                    pane.root[1] = -pane.root[1];
                }
                const double sinG = std::sin(pane.dihedral);
                const double cosG = std::cos(pane.dihedral);
                const Vec3 flatNormal{0, -pane.side * sinG, cosG};
                const Vec3 leA = pane.leadingEdgeAt(edge.from);
                const Vec3 leB = pane.leadingEdgeAt(edge.to);
                const double chordA = pane.chordAt(edge.from);
                const double chordB = pane.chordAt(edge.to);
                LatticeStrip strip;
                strip.part = surface.part;
                strip.y = (leA[1] + leB[1]) / 2;
                strip.z = (leA[2] + leB[2]) / 2;
                strip.chord = (chordA + chordB) / 2;
                strip.width = std::hypot(leB[1] - leA[1], leB[2] - leA[2]);
                if (!(strip.chord > 0) || !(strip.width > 0))
                    continue;
                const std::size_t stripIndex = strips_.size();
                strips_.push_back(strip);
                if (surface.part == Part::Wing)
                    wingSpan_ += std::abs(leB[1] - leA[1]);
                for (int k = 0; k < chordwise; ++k) {
                    const double quarter = (k + 0.25) / chordwise;
                    const double threeQuarters = (k + 0.75) / chordwise;
                    Panel panel;
                    panel.a = leA + Vec3{quarter * chordA, 0, 0};
                    panel.b = leB + Vec3{quarter * chordB, 0, 0};
                    if (dot(cross({1, 0, 0}, panel.b - panel.a), flatNormal) < 0)
                        std::swap(panel.a, panel.b);
                    panel.control = pane.leadingEdgeAt(edge.control) +
                                    Vec3{threeQuarters * pane.chordAt(edge.control), 0, 0};
                    const double tilt =
                        surface.incidence - std::atan(surface.camber.slopeAt(threeQuarters));
                    panel.normal = std::cos(tilt) * flatNormal + Vec3{std::sin(tilt), 0, 0};
                    panel.elevator = surface.part == Part::Stabiliser ? -std::cos(tilt) : 0;
                    const Vec3 leg = panel.b - panel.a;
                    panel.core2 = kCore * kCore * dot(leg, leg);
                    panel.strip = stripIndex;
                    panel.part = surface.part;
                    // The mirror half repeats the first one's panels in order and, the
                    // flight being symmetric, their circulations.
                    panel.unknown =
                        mirror ? panels_[panels_.size() - halfCount].unknown : unknowns_++;
                    panel.mirrored = surface.mirrored;
                    panels_.push_back(panel);
                }
            }
        }
    }
    panelCount_ = int(panels_.size());
}

void VortexLattice::solve() {
    // One row per unknown, at the control point of the panel that owns it; each column sums
    // the panel and its mirror image.
    const Eigen::Index m = unknowns_;
    Eigen::MatrixXd influence = Eigen::MatrixXd::Zero(m, m);
    Eigen::MatrixXd rhs(m, 3);
    std::vector<const Panel*> rows(std::size_t(m), nullptr);
    for (const Panel& p : panels_)
        if (!rows[std::size_t(p.unknown)])
            rows[std::size_t(p.unknown)] = &p;
    for (const Panel& source : panels_) {
        for (Eigen::Index i = 0; i < m; ++i) {
            const Panel& target = *rows[std::size_t(i)];
            // A fin's own load is antisymmetric and cancels over the two halves.
            if (target.mirrored && !source.mirrored)
                continue;
            const Vec3 v = segmentVelocity(target.control, source.a, source.b, source.core2) +
                           trailingVelocity(target.control, source.b, source.core2) -
                           trailingVelocity(target.control, source.a, source.core2);
            influence(i, source.unknown) += dot(v, target.normal);
        }
    }
    for (Eigen::Index i = 0; i < m; ++i) {
        const Panel& p = *rows[std::size_t(i)];
        rhs(i, 0) = -p.normal[0];
        rhs(i, 1) = -p.normal[2];
        rhs(i, 2) = p.elevator;
    }
    const Eigen::MatrixXd gamma = influence.partialPivLu().solve(rhs);
    if (!gamma.allFinite())
        return;

    std::array<Linear*, 3> parts{&wingLift_, &stabLift_, &finLift_};
    for (Panel& p : panels_) {
        const Eigen::Index i = p.unknown;
        p.circulation = {gamma(i, 0), gamma(i, 1), gamma(i, 2)};
        const double liftPerCirculation = 2 * (p.b[1] - p.a[1]) / referenceArea_;
        const double arm = (p.a[0] + p.b[0]) / 2 - referenceX_;
        const double momentPerCirculation = -liftPerCirculation * arm / referenceChord_;
        Linear& part = *parts[std::size_t(p.part)];
        for (int c = 0; c < 3; ++c) {
            double& l = c == 0 ? lift_.at0 : c == 1 ? lift_.perAlpha : lift_.perElevator;
            double& m = c == 0 ? moment_.at0 : c == 1 ? moment_.perAlpha : moment_.perElevator;
            double& pl = c == 0 ? part.at0 : c == 1 ? part.perAlpha : part.perElevator;
            l += liftPerCirculation * gamma(i, c);
            m += momentPerCirculation * gamma(i, c);
            pl += liftPerCirculation * gamma(i, c);
        }
        LatticeStrip& strip = strips_[p.strip];
        strip.circulation.at0 += gamma(i, 0);
        strip.circulation.perAlpha += gamma(i, 1);
        strip.circulation.perElevator += gamma(i, 2);
    }
    trefftz();
    valid_ = std::isfinite(lift_.perAlpha) && std::isfinite(moment_.perAlpha) &&
             std::isfinite(lift_.at0) && std::isfinite(moment_.at0);
}

void VortexLattice::trefftz() {
    // Each strip's trace from its first chordwise panel, which holds the orientation.
    std::vector<Trace> traces(strips_.size());
    for (const Panel& p : panels_) {
        const Vec3 n{0, p.b[2] - p.a[2], -(p.b[1] - p.a[1])};
        const double length = std::hypot(n[1], n[2]);
        traces[p.strip] = {p.a[1],         p.a[2],         p.b[1],       p.b[2],
                           -n[1] / length, -n[2] / length, p.control[1], p.control[2]};
    }
    const std::size_t m = strips_.size();
    const auto circulation = [&](std::size_t i, int c) {
        const Linear& g = strips_[i].circulation;
        return c == 0 ? g.at0 : c == 1 ? g.perAlpha : g.perElevator;
    };
    // Normal wash at strip i per unit circulation of strip j, a 2-D vortex pair.
    const auto wash = [&](std::size_t i, std::size_t j) {
        const Trace& t = traces[j];
        const double y = traces[i].y;
        const double z = traces[i].z;
        const double core2 = kCore * kCore * strips_[j].width * strips_[j].width;
        double vy = 0;
        double vz = 0;
        for (int leg = 0; leg < 2; ++leg) {
            const double ry = y - (leg ? t.yb : t.ya);
            const double rz = z - (leg ? t.zb : t.za);
            const double sign = leg ? 1 : -1;
            const double k = sign / (2 * kPi * std::max(ry * ry + rz * rz, core2));
            vy += -k * rz;
            vz += k * ry;
        }
        return vy * traces[i].ny + vz * traces[i].nz;
    };
    dragForm_.assign(9, 0);
    wingDragForm_.assign(9, 0);
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < m; ++j) {
            const double w = -wash(i, j) * strips_[i].width / referenceArea_;
            const bool wing = strips_[i].part == Part::Wing && strips_[j].part == Part::Wing;
            for (int a = 0; a < 3; ++a)
                for (int b = 0; b < 3; ++b) {
                    const double term = circulation(i, a) * w * circulation(j, b) / 2;
                    dragForm_[std::size_t(3 * a + b)] += term;
                    dragForm_[std::size_t(3 * b + a)] += term;
                    if (wing) {
                        wingDragForm_[std::size_t(3 * a + b)] += term;
                        wingDragForm_[std::size_t(3 * b + a)] += term;
                    }
                }
        }
    }
}

double VortexLattice::quadratic(const std::vector<double>& form, double alpha,
                                double elevator) const {
    if (form.size() != 9)
        return 0;
    const double x[3] = {1, alpha, elevator};
    double sum = 0;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            sum += x[a] * form[std::size_t(3 * a + b)] * x[b];
    return sum;
}

double VortexLattice::inducedDrag(double alpha, double elevator) const {
    return quadratic(dragForm_, alpha, elevator);
}

double VortexLattice::wingInducedDrag(double alpha, double elevator) const {
    return quadratic(wingDragForm_, alpha, elevator);
}

Linear VortexLattice::liftOf(Part part) const {
    return part == Part::Wing ? wingLift_ : part == Part::Stabiliser ? stabLift_ : finLift_;
}

double VortexLattice::neutralPointX() const {
    return referenceX_ - referenceChord_ * moment_.perAlpha / lift_.perAlpha;
}

double VortexLattice::spanEfficiency() const {
    if (wingDragForm_.size() != 9)
        return 0;
    const double induced = wingDragForm_[4]; // the α² term
    const double aspectRatio = wingSpan_ * wingSpan_ / referenceArea_;
    return wingLift_.perAlpha * wingLift_.perAlpha / (kPi * aspectRatio * induced);
}

double VortexLattice::wingUpwashPerAlpha(const Vec3& point) const {
    double w = 0;
    for (const Panel& p : panels_) {
        if (p.part != Part::Wing)
            continue;
        const Vec3 v = segmentVelocity(point, p.a, p.b, p.core2) +
                       trailingVelocity(point, p.b, p.core2) -
                       trailingVelocity(point, p.a, p.core2);
        w += p.circulation.perAlpha * v[2];
    }
    return w;
}

} // namespace aero
