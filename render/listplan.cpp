#include "listplan.h"

#include "displaysettings.h"
#include "model/glider.h"

namespace {

// Whatever its span was at the last derivation: a fin given panes since must show.
bool finHasPanes(const Glider& glider) {
    return glider.surfaces[Fin].npart() > 0;
}

} // namespace

ListPlan fullListPlan(const Glider& glider) {
    ListPlan plan;
    plan.translation = glider.fileCentrum();
    plan.parts = {ListPlan::kBodyPart, WingLeft, WingRight, StabLeft, StabRight};
    if (finHasPanes(glider))
        plan.parts.push_back(Fin);
    return plan;
}

RederiveResult rederiveGlider(Glider& glider, const FoilLoader& loadFoil) {
    RederiveResult result;
    for (int slot = WingLeft; slot <= StabRight; ++slot)
        result.surfaces[slot] = rebuildSurface(glider.surfaces[slot], loadFoil);
    result.body = updateBody(glider.body);
    if (finHasPanes(glider))
        result.surfaces[Fin] = rebuildSurface(glider.surfaces[Fin], loadFoil);
    return result;
}

ListPlan maskedListPlan(const Glider& glider, int visibility, const RederiveResult& result) {
    ListPlan plan;
    plan.translation = glider.fileCentrum();
    const auto add = [&](int part, int bit, bool drawable) {
        if ((visibility & bit) && drawable)
            plan.parts.push_back(part);
    };
    add(ListPlan::kBodyPart, ShowBody, result.body);
    add(WingLeft, ShowWingLeft, result.surfaces[WingLeft]);
    add(WingRight, ShowWingRight, result.surfaces[WingRight]);
    add(StabLeft, ShowStabLeft, result.surfaces[StabLeft]);
    add(StabRight, ShowStabRight, result.surfaces[StabRight]);
    add(Fin, ShowFin, finHasPanes(glider) && result.surfaces[Fin]);
    return plan;
}
