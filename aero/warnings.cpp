#include "aero/warnings.h"

#include "aero/flightanalysis.h"
#include "model/glider.h"
#include "model/translatable.h"

#include <algorithm>
#include <cmath>

namespace aero {

std::string warningText(Warning warning) {
    switch (warning) {
    case Warning::Unstable:
        return KESH_TRANSLATABLE("aero", "Instable : marge statique négative");
    case Warning::NoseHeavy:
        return KESH_TRANSLATABLE("aero", "Centrage très avant : marge statique au-dessus de 25 %");
    case Warning::NoTrim:
        return KESH_TRANSLATABLE("aero", "Pas de vol équilibré aux calages du fichier");
    case Warning::TipStall:
        return KESH_TRANSLATABLE("aero", "Décrochage en bout d'aile d'abord");
    case Warning::BadPane:
        return KESH_TRANSLATABLE("aero", "Une corde ou une envergure nulle ou négative");
    case Warning::TooLarge:
        return KESH_TRANSLATABLE("aero",
                                 "Une pièce plus grande que les 20 m de la vue du simulateur");
    case Warning::CentreNotSet:
        return KESH_TRANSLATABLE("aero",
                                 "Centre de gravité laissé à zéro alors qu'une estimation existe");
    }
    return {};
}

namespace {

bool badPane(const Pane& p) {
    return !(p.c1 > 0) || !(p.c2 >= 0) || !(p.env > 0) || !std::isfinite(p.c2) ||
           !std::isfinite(p.env) || !std::isfinite(p.fleche) || !std::isfinite(p.diedre);
}

// Whether a surface, both halves counted, or the body spans more than the simulator shows.
bool tooLarge(const Glider& glider) {
    const auto beyond = [](double lo, double hi) { return !(hi - lo <= kLongestLength); };
    for (int slot : {int(WingLeft), int(StabLeft), int(Fin)}) {
        const std::vector<PaneShape> panes = paneShapes(glider.surfaces[slot], slot);
        if (panes.empty())
            continue;
        Vec3 lo = panes.front().root;
        Vec3 hi = lo;
        for (const PaneShape& p : panes)
            for (const Vec3& corner : p.corners())
                for (int k = 0; k < 3; ++k) {
                    lo[k] = std::min(lo[k], corner[k]);
                    hi[k] = std::max(hi[k], corner[k]);
                }
        const double halfSpan = std::max(std::abs(lo[1]), std::abs(hi[1]));
        if (beyond(lo[0], hi[0]) || beyond(lo[2], hi[2]) ||
            (slot == Fin ? beyond(lo[1], hi[1]) : beyond(-halfSpan, halfSpan)))
            return true;
    }
    const std::vector<BodySection>& sections = glider.body.sections;
    for (const BodySection& a : sections)
        for (const BodySection& b : {sections.front(), sections.back()})
            if (beyond(std::min(a.x, b.x), std::max(a.x, b.x)) || beyond(0, a.l) || beyond(0, a.h))
                return true;
    return false;
}

} // namespace

std::vector<Warning> warningsOf(const Glider& glider, const FlightAnalysis& a) {
    std::vector<Warning> warnings;
    if (const Stability* s = a.stable()) {
        if (s->staticMargin < kLowestMargin)
            warnings.push_back(Warning::Unstable);
        else if (s->staticMargin > kHighestMargin)
            warnings.push_back(Warning::NoseHeavy);
    }
    if (const Performance* p = a.flight()) {
        if (p->noTrim)
            warnings.push_back(Warning::NoTrim);
        if (p->stallStart && p->stallStart->atTip)
            warnings.push_back(Warning::TipStall);
    }
    bool bad = false;
    for (const Surface& surface : glider.surfaces)
        bad = bad || std::any_of(surface.panes().begin(), surface.panes().end(), badPane);
    if (bad)
        warnings.push_back(Warning::BadPane);
    if (tooLarge(glider))
        warnings.push_back(Warning::TooLarge);
    const bool centreAtZero =
        std::all_of(glider.centrum.begin(), glider.centrum.end(), [](float v) { return v == 0; });
    if (centreAtZero && a.mass())
        warnings.push_back(Warning::CentreNotSet);
    return warnings;
}

} // namespace aero
