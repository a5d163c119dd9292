#include "aero/speedpolar.h"

#include "aero/massproperties.h"
#include "aero/spanefficiency.h"
#include "aero/units.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace aero {

namespace {

constexpr int kStripsPerPane = 10;
constexpr int kPolarPoints = 41;
constexpr int kSearchPoints = 200;
constexpr double kStallFactor = 0.9;
constexpr double kMaxSpeedFactor = 3;
// Lift ratios this close count as one, so that a flat loading stalls at its root.
constexpr double kStallTie = 0.003;

// A chordwise strip of a surface: log(chord / ν), so that log Re = log V + this, and its
// area, both halves counted.
struct Strip {
    double logChord = 0;
    double area = 0;
};

std::vector<Strip> stripsOf(const Surface& surface, int slot, double halves) {
    std::vector<Strip> strips;
    for (const PaneShape& pane : paneShapes(surface, slot)) {
        if (!(pane.area() > 0))
            continue;
        const double width = pane.env / kStripsPerPane;
        for (int i = 0; i < kStripsPerPane; ++i) {
            const double chord = pane.chordAt((i + 0.5) * width);
            if (chord > 0)
                strips.push_back({std::log(chord / kKinematicViscosity), halves * chord * width});
        }
    }
    return strips;
}

// Σ cd·area over the strips at speed v, from each polar's drag at the strips' lift.
double profileDragArea(const std::vector<Strip>& strips, const FoilPolars& polars,
                       const std::vector<double>& perPolar, double v) {
    const double logV = std::log(v);
    double sum = 0;
    for (const Strip& strip : strips)
        sum += polars.blendAtLog(perPolar, logV + strip.logChord) * strip.area;
    return sum;
}

struct Fuselage {
    double wetted = 0;
    double length = 0;
    double formFactor = 0;
};

std::optional<Fuselage> fuselageOf(const Body& body) {
    if (body.sections.size() < 2)
        return std::nullopt;
    double lo = body.sections.front().x;
    double hi = lo;
    double diameter = 0;
    for (const BodySection& s : body.sections) {
        lo = std::min<double>(lo, s.x);
        hi = std::max<double>(hi, s.x);
        diameter = std::max(diameter, std::sqrt(std::abs(double(s.h) * s.l)));
    }
    Fuselage f;
    f.wetted = bodyWettedArea(body);
    f.length = hi - lo;
    if (!(f.wetted > 0) || !(f.length > 0) || !(diameter > 0))
        return std::nullopt;
    const double fineness = f.length / diameter;
    f.formFactor = 1 + 60 / std::pow(fineness, 3) + fineness / 400;
    return f;
}

double largestDiameter(const Body& body) {
    double d = 0;
    for (const BodySection& s : body.sections)
        d = std::max(d, std::sqrt(std::abs(double(s.h) * s.l)));
    return d;
}

// A lattice strip with what its profile drag needs.
struct LoadedStrip {
    const LatticeStrip* strip;
    const FoilPolars* polars;
    double area;
};

// Everything the drag at one lift coefficient needs, gathered once.
class DragModel {
public:
    DragModel(const Glider& glider, const Planform& wing, const PerformanceOptions& options,
              const FoilPolars& wingPolars, const FoilPolars& stabPolars,
              const FoilPolars& finPolars)
        : wing_(wing), options_(options), wingPolars_(wingPolars), stabPolars_(stabPolars),
          finPolars_(finPolars), weight_(glider.totalWeight() * kGravity),
          cm0_(glider.surfaces[WingLeft].foil.cm0) {
        wingStrips_ = stripsOf(glider.surfaces[WingLeft], WingLeft, 2);
        stabStrips_ = stripsOf(glider.surfaces[StabLeft], StabLeft, 2);
        finStrips_ = stripsOf(glider.surfaces[Fin], Fin, 1);
        if (!stabPolars.empty())
            stabZeroLift_ = stabPolars.branchDrags(0);
        if (!finPolars.empty())
            finZeroLift_ = finPolars.branchDrags(0);
        stab_ = planformOf(glider, Part::Stabiliser);
        if (stab_)
            stabEfficiency_ = spanEfficiency(*stab_, 0);
        if (options.parts.fuselage)
            fuselage_ = fuselageOf(glider.body);
        lattice_ = options.lattice;
        if (lattice_) {
            for (const LatticeStrip& strip : lattice_->lattice.strips()) {
                const FoilPolars& polars = strip.part == Part::Wing         ? wingPolars
                                           : strip.part == Part::Stabiliser ? stabPolars
                                                                            : finPolars;
                if (!polars.empty())
                    loaded_.push_back({&strip, &polars, strip.chord * strip.width});
            }
            efficiency_ = options.spanEfficiency.value_or(lattice_->lattice.spanEfficiency());
        } else {
            efficiency_ =
                options.spanEfficiency.value_or(spanEfficiency(wing, largestDiameter(glider.body)));
        }
    }

    const GliderLattice* lattice() const { return lattice_; }

    double efficiency() const { return efficiency_; }
    bool tailsHavePolars() const {
        return (stabStrips_.empty() || !stabPolars_.empty()) &&
               (finStrips_.empty() || !finPolars_.empty());
    }

    double speedAt(double cl) const {
        return std::sqrt(2 * weight_ / (kAirDensity * wing_.area * cl));
    }
    double liftAt(double v) const { return 2 * weight_ / (kAirDensity * wing_.area * v * v); }

    double dragCoefficient(double cl) const {
        const double v = speedAt(cl);
        if (lattice_)
            return latticeDrag(v, lattice_->trimmedAt(cl));
        const double s = wing_.area;
        double cd = profileDragArea(wingStrips_, wingPolars_, wingPolars_.branchDrags(cl), v) / s;
        if (options_.parts.wingInduced)
            cd += cl * cl / (kPi * efficiency_ * wing_.aspectRatio);
        if (!stabStrips_.empty())
            cd += profileDragArea(stabStrips_, stabPolars_, stabZeroLift_, v) / s;
        if (!finStrips_.empty())
            cd += profileDragArea(finStrips_, finPolars_, finZeroLift_, v) / s;
        if (options_.parts.stabiliserInduced)
            cd += trimInducedDrag(cl);
        return cd + fuselageDrag(v);
    }

    // The lift along each surface at an attitude and speed.
    std::vector<SpanLoading> loadings(const GliderLattice::Attitude& at, double v) const {
        std::vector<SpanLoading> result;
        for (Part part : {Part::Wing, Part::Stabiliser}) {
            std::vector<const LoadedStrip*> strips;
            for (const LoadedStrip& s : loaded_)
                if (s.strip->part == part)
                    strips.push_back(&s);
            if (strips.empty())
                continue;
            std::stable_sort(strips.begin(), strips.end(),
                             [](auto* a, auto* b) { return a->strip->y < b->strip->y; });
            SpanLoading loading;
            loading.part = part;
            for (const LoadedStrip* s : strips) {
                const double cl = s->strip->cl(at.alpha, at.elevator);
                loading.y.push_back(s->strip->y);
                loading.cl.push_back(cl);
                loading.chordCl.push_back(cl * s->strip->chord);
                loading.clMax.push_back(
                    s->polars->maxLift(v * s->strip->chord / kKinematicViscosity));
                loading.halfSpan =
                    std::max(loading.halfSpan, std::abs(s->strip->y) + s->strip->width / 2);
            }
            result.push_back(std::move(loading));
        }
        return result;
    }

    SpeedPoint pointAt(double v) const {
        const double cl = liftAt(v);
        const double cd = dragCoefficient(cl);
        return {v, v * cd / cl, cl / cd, cl};
    }

private:
    double fuselageDrag(double v) const {
        if (!fuselage_)
            return 0;
        const double re = v * fuselage_->length / kKinematicViscosity;
        return 0.074 / std::pow(re, 0.2) * fuselage_->formFactor * fuselage_->wetted / wing_.area;
    }

    double latticeDrag(double v, const GliderLattice::Attitude& at) const {
        double sum = 0;
        for (const LoadedStrip& s : loaded_)
            sum += s.polars->dragAt(s.strip->cl(at.alpha, at.elevator),
                                    v * s.strip->chord / kKinematicViscosity) *
                   s.area;
        double cd = sum / wing_.area;
        const VortexLattice& lattice = lattice_->lattice;
        const double wingInduced = lattice.wingInducedDrag(at.alpha, at.elevator);
        if (options_.parts.wingInduced) {
            if (options_.spanEfficiency) {
                const double wingLift = lattice.liftOf(Part::Wing).at(at.alpha, at.elevator);
                cd += wingLift * wingLift / (kPi * efficiency_ * wing_.aspectRatio);
            } else {
                cd += wingInduced;
            }
        }
        if (options_.parts.stabiliserInduced)
            cd += lattice.inducedDrag(at.alpha, at.elevator) - wingInduced;
        return cd + fuselageDrag(v);
    }

    // The stabiliser's lift balances the wing's about the centre of gravity.
    double trimInducedDrag(double cl) const {
        if (!stab_)
            return 0;
        const double horizontal = stab_->area * std::pow(std::cos(stab_->meanDihedral), 2);
        const double arm = options_.centreX - stab_->aerodynamicCentreX();
        if (!(horizontal > 0) || std::abs(arm) < 1e-6 || !(stab_->aspectRatio > 0))
            return 0;
        const double moment =
            cl * (options_.centreX - wing_.aerodynamicCentreX()) + wing_.meanChord * cm0_;
        const double tailLift = -moment / arm * wing_.area / horizontal;
        return tailLift * tailLift / (kPi * stabEfficiency_ * stab_->aspectRatio) * horizontal /
               wing_.area;
    }

    const Planform& wing_;
    const PerformanceOptions& options_;
    const FoilPolars& wingPolars_;
    const FoilPolars& stabPolars_;
    const FoilPolars& finPolars_;
    double weight_;
    double cm0_;
    std::vector<Strip> wingStrips_, stabStrips_, finStrips_;
    std::vector<double> stabZeroLift_, finZeroLift_;
    std::optional<Planform> stab_;
    double stabEfficiency_ = 1;
    std::optional<Fuselage> fuselage_;
    double efficiency_ = 1;
    const GliderLattice* lattice_ = nullptr;
    std::vector<LoadedStrip> loaded_;
};

// The strip nearest its maximum lift; of strips as near within kStallTie, the innermost.
std::optional<StallStart> stallStartOf(const std::vector<SpanLoading>& loadings) {
    double highest = -1;
    for (const SpanLoading& l : loadings)
        for (std::size_t i = 0; i < l.y.size(); ++i)
            if (l.clMax[i] > 0)
                highest = std::max(highest, l.cl[i] / l.clMax[i]);
    if (!(highest > 0))
        return std::nullopt;
    std::optional<StallStart> start;
    double inmost = 2;
    for (const SpanLoading& l : loadings) {
        for (std::size_t i = 0; i < l.y.size(); ++i) {
            if (!(l.clMax[i] > 0) || l.cl[i] / l.clMax[i] < highest - kStallTie)
                continue;
            const double fraction = l.halfSpan > 0 ? std::abs(l.y[i]) / l.halfSpan : 0;
            if (fraction < inmost) {
                inmost = fraction;
                start = StallStart{l.part, l.y[i],
                                   l.part == Part::Wing && fraction > kTipStallFraction};
            }
        }
    }
    return start;
}

double stallLift(const Planform& wing, const FoilPolars& polars, double weight) {
    double cl = kStallFactor * polars.maxLift(1e6);
    for (int i = 0; i < 100 && cl > 0; ++i) {
        const double v = std::sqrt(2 * weight / (kAirDensity * wing.area * cl));
        const double next = kStallFactor * polars.maxLift(v * wing.meanChord / kKinematicViscosity);
        const bool settled = std::abs(next - cl) < 1e-10;
        cl = next;
        if (settled)
            break;
    }
    return cl;
}

// The speed in [lo, hi] where score is highest: a scan, then a golden-section search.
double bestSpeed(double lo, double hi, const std::function<double(double)>& score) {
    double best = lo;
    double bestScore = score(lo);
    const double step = (hi - lo) / kSearchPoints;
    for (int i = 1; i <= kSearchPoints; ++i) {
        const double v = lo + i * step;
        const double value = score(v);
        if (value > bestScore) {
            bestScore = value;
            best = v;
        }
    }
    double a = std::max(lo, best - step);
    double b = std::min(hi, best + step);
    const double golden = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 40; ++i) {
        const double c = b - golden * (b - a);
        const double d = a + golden * (b - a);
        if (score(c) > score(d))
            b = d;
        else
            a = c;
    }
    return (a + b) / 2;
}

void addTrimAndStall(Performance& p, const GliderLattice& lattice, const DragModel& model) {
    p.loadingAtStall = model.loadings(lattice.trimmedAt(p.maxLift), p.stallSpeed);
    p.stallStart = stallStartOf(p.loadingAtStall);
    const std::optional<double> balance = lattice.untrimmedBalance();
    if (!balance || !(lattice.momentSlope() < 0)) {
        p.noTrim = NoTrim::Unstable;
        return;
    }
    const double cl = lattice.lattice.lift().at(*balance, 0);
    if (!(cl > 0)) {
        p.noTrim = NoTrim::NoseDown;
        return;
    }
    if (cl > p.maxLift) {
        p.noTrim = NoTrim::NoseUp;
        return;
    }
    const SpeedPoint point = model.pointAt(model.speedAt(cl));
    p.trim = TrimPoint{*balance, cl, point.speed, point.sink, point.glide};
    p.loadingAtTrim = model.loadings({*balance, 0}, point.speed);
    p.stallStartAtTrim = stallStartOf(p.loadingAtTrim);
}

} // namespace

std::variant<Performance, Unavailable> performanceOf(const Glider& glider,
                                                     const PerformanceOptions& options) {
    const std::optional<Planform> wing = planformOf(glider, Part::Wing);
    if (!wing)
        return Unavailable::NoWing;
    const double weight = glider.totalWeight() * kGravity;
    if (!(weight > 0) || !std::isfinite(weight))
        return Unavailable::NoWeight;
    const FoilPolars wingPolars(glider.surfaces[WingLeft].foil);
    if (wingPolars.empty())
        return Unavailable::NoWingPolars;
    const FoilPolars stabPolars(glider.surfaces[StabLeft].foil);
    const FoilPolars finPolars(glider.surfaces[Fin].foil);
    const DragModel model(glider, *wing, options, wingPolars, stabPolars, finPolars);
    if (!model.tailsHavePolars())
        return Unavailable::NoTailPolars;

    Performance p;
    p.spanEfficiency = model.efficiency();
    p.maxLift = stallLift(*wing, wingPolars, weight);
    if (!(p.maxLift > 0) || !std::isfinite(p.maxLift))
        return Unavailable::NoLift;
    p.stallSpeed = model.speedAt(p.maxLift);
    const double top = kMaxSpeedFactor * p.stallSpeed;
    for (int i = 0; i < kPolarPoints; ++i)
        p.polar.push_back(
            model.pointAt(p.stallSpeed + (top - p.stallSpeed) * i / (kPolarPoints - 1)));

    p.bestGlideSpeed =
        bestSpeed(p.stallSpeed, top, [&](double v) { return model.pointAt(v).glide; });
    p.bestGlide = model.pointAt(p.bestGlideSpeed).glide;
    p.minSinkSpeed = bestSpeed(p.stallSpeed, top, [&](double v) { return -model.pointAt(v).sink; });
    p.minSink = model.pointAt(p.minSinkSpeed).sink;
    if (const GliderLattice* lattice = model.lattice())
        addTrimAndStall(p, *lattice, model);
    return p;
}

} // namespace aero
