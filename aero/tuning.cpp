#include "aero/tuning.h"

#include "aero/gliderlattice.h"
#include "model/translatable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace aero {

std::string refusalText(TuneRefusal why) {
    switch (why) {
    case TuneRefusal::NoAnalysis:
        return KESH_TRANSLATABLE("aero", "L'analyse ne donne ni point neutre ni vitesse de vol");
    case TuneRefusal::CentreOffGlider:
        return KESH_TRANSLATABLE("aero",
                                 "Cette marge placerait le centre de gravité hors du planeur");
    case TuneRefusal::NoStabiliser:
        return KESH_TRANSLATABLE("aero", "Le planeur n'a pas de stabilisateur à caler");
    case TuneRefusal::BelowStall:
        return KESH_TRANSLATABLE("aero", "Cette vitesse est sous la vitesse de décrochage");
    case TuneRefusal::AbovePolar:
        return KESH_TRANSLATABLE("aero", "Cette vitesse dépasse la polaire des vitesses");
    case TuneRefusal::Unstable:
        return KESH_TRANSLATABLE("aero", "Le planeur est instable : centrez-le d'abord");
    case TuneRefusal::IncidenceTooLarge:
        return KESH_TRANSLATABLE(
            "aero", "Il faudrait caler le stabilisateur à plus de 10° : vitesse hors d'atteinte");
    case TuneRefusal::NotReached:
        return KESH_TRANSLATABLE("aero", "L'analyse ne confirme pas le vol demandé");
    }
    return {};
}

namespace {

constexpr int kMaxSteps = 4;

double centreXOf(const Glider& glider) {
    return glider.fileCentrum()[0];
}

std::optional<double> trimSpeedOf(const FlightAnalysis& a) {
    const Performance* p = a.flight();
    if (p && p->trim)
        return p->trim->speed;
    return std::nullopt;
}

// The glider's extent along the file's x: body sections and every pane's corners.
std::pair<double, double> lengthwiseExtent(const Glider& glider) {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -lo;
    const auto take = [&](double x) {
        lo = std::min(lo, x);
        hi = std::max(hi, x);
    };
    for (const BodySection& s : glider.body.sections)
        take(s.x);
    for (int slot = 0; slot < Glider::kSlots; ++slot)
        for (const PaneShape& pane : paneShapes(glider.surfaces[slot], slot))
            for (const Vec3& corner : pane.corners())
                take(corner[0]);
    return {lo, hi};
}

void setStabiliserIncidence(Glider& glider, double incidence) {
    glider.surfaces[StabLeft].calage = float(incidence);
    glider.surfaces[StabRight].calage = float(incidence);
}

// Trims `work` at a speed that may depend on the glider (its best-glide speed); the target
// is taken afresh from each analysis until the trim stays on it.
template <class Target>
Tuned<IncidenceChange> trimTowards(Glider& glider, const AnalysisOptions& options,
                                   const Target& target) {
    FlightAnalysis a = analyseGlider(glider, options);
    if (!a.wing || !a.flight())
        return TuneRefusal::NoAnalysis;
    if (!a.stabiliser || glider.surfaces[StabLeft].npart() == 0)
        return TuneRefusal::NoStabiliser;
    if (!a.stable() || !(a.stable()->staticMargin > 0))
        return TuneRefusal::Unstable;
    IncidenceChange change{glider.surfaces[StabLeft].calage, 0, trimSpeedOf(a), 0};
    Glider work = glider;
    for (int step = 0; step < kMaxSteps; ++step) {
        const Performance& p = *a.flight();
        const double speed = target(p);
        if (!(speed > p.stallSpeed))
            return TuneRefusal::BelowStall;
        if (p.polar.empty() || speed > p.polar.back().speed)
            return TuneRefusal::AbovePolar;
        const std::optional<double> reached = trimSpeedOf(a);
        if (step > 0 && reached && std::abs(*reached - speed) < kSpeedTolerance) {
            change.incidenceAfter = work.surfaces[StabLeft].calage;
            change.trimSpeedAfter = *reached;
            glider = std::move(work);
            return change;
        }
        const std::optional<GliderLattice> lattice = gliderLattice(
            work, *a.wing, centreXOf(work), {options.resolution, options.parts.fuselage});
        if (!lattice || !lattice->hasElevator)
            return TuneRefusal::NoAnalysis;
        // The polar's lift is 2W / (rho S V²), so it scales with the stall's as 1 / V².
        const double cl = p.maxLift * (p.stallSpeed / speed) * (p.stallSpeed / speed);
        const double incidence = work.surfaces[StabLeft].calage + lattice->trimmedAt(cl).elevator;
        if (!std::isfinite(incidence))
            return TuneRefusal::NotReached;
        if (std::abs(incidence) > kMaxStabiliserIncidence)
            return TuneRefusal::IncidenceTooLarge;
        setStabiliserIncidence(work, incidence);
        a = analyseGlider(work, options);
        if (!a.wing || !a.flight())
            return TuneRefusal::NotReached;
    }
    return TuneRefusal::NotReached;
}

} // namespace

Tuned<CentreChange> centreForMargin(Glider& glider, double margin, const AnalysisOptions& options) {
    FlightAnalysis a = analyseGlider(glider, options);
    if (!a.wing || !a.stable() || !std::isfinite(margin))
        return TuneRefusal::NoAnalysis;
    CentreChange change{centreXOf(glider), 0, a.stable()->staticMargin, 0, trimSpeedOf(a), {}};
    const auto [front, back] = lengthwiseExtent(glider);
    Glider work = glider;
    for (int step = 0; step < kMaxSteps; ++step) {
        const double x = a.stable()->neutralPointX - margin * a.wing->meanChord;
        if (!(x >= front && x <= back))
            return TuneRefusal::CentreOffGlider;
        Vec3f centre = work.fileCentrum();
        centre[0] = float(x);
        work.centrum = centrumFromFileFrame(centre);
        a = analyseGlider(work, options);
        if (!a.wing || !a.stable())
            return TuneRefusal::NotReached;
        if (std::abs(a.stable()->staticMargin - margin) < kMarginTolerance) {
            change.centreXAfter = centreXOf(work);
            change.marginAfter = a.stable()->staticMargin;
            change.trimSpeedAfter = trimSpeedOf(a);
            glider = std::move(work);
            return change;
        }
    }
    return TuneRefusal::NotReached;
}

Tuned<IncidenceChange> trimForSpeed(Glider& glider, double speed, const AnalysisOptions& options) {
    if (!std::isfinite(speed))
        return TuneRefusal::AbovePolar;
    return trimTowards(glider, options, [speed](const Performance&) { return speed; });
}

Tuned<IncidenceChange> trimForBestGlide(Glider& glider, const AnalysisOptions& options) {
    return trimTowards(glider, options, [](const Performance& p) { return p.bestGlideSpeed; });
}

} // namespace aero
