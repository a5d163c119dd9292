#include "render/listplan.h"

#include "model/errors.h"
#include "model/glider.h"
#include "render/displaysettings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Parts = std::vector<int>;
constexpr int kBody = ListPlan::kBodyPart;

// The fin's span sum stays 0, as it is when its panes were added after the last derivation.
Glider gliderWithParts(bool finPanes) {
    Glider glider;
    glider.valid = 1;
    glider.centrum = {-0.3f, 0.01f, 0.02f}; // held in the model frame
    for (Surface& s : glider.surfaces) {
        s.insertPane(-1);
        s.pane(0).env = 1;
        s.foil.foilFilename = "f.txt";
    }
    if (!finPanes)
        glider.surfaces[Fin].removePane(0);
    glider.body.sections = {{0, 0, 1, 1}, {1, 0, 1, 1}};
    return glider;
}

// Loads every foil except the one named "missing.txt".
FoilLoader fakeLoader(std::vector<std::string>* loaded = nullptr) {
    return [loaded](Foil& foil, const std::string& path) {
        if (loaded != nullptr)
            loaded->push_back(path);
        if (path == "missing.txt")
            throw errLoadFoil("", "");
        foil.points = {{1, 0}, {0, 0}};
    };
}

RederiveResult allDrawable() {
    RederiveResult r;
    r.body = true;
    r.surfaces = {true, true, true, true, true};
    return r;
}

} // namespace

TEST(FullListPlan, TranslatesByTheFileFrameCentreThenEmitsBodyAndSlots) {
    const Glider glider = gliderWithParts(false);
    const ListPlan plan = fullListPlan(glider);
    EXPECT_FLOAT_EQ(plan.translation[0], 0.3f);
    EXPECT_FLOAT_EQ(plan.translation[1], 0.01f);
    EXPECT_FLOAT_EQ(plan.translation[2], 0.02f);
    EXPECT_EQ(plan.parts, (Parts{kBody, 0, 1, 2, 3}));

    EXPECT_EQ(fullListPlan(gliderWithParts(true)).parts, (Parts{kBody, 0, 1, 2, 3, 4}));
}

TEST(MaskedListPlan, HonoursEachVisibilityBit) {
    const Glider glider = gliderWithParts(true);
    EXPECT_EQ(maskedListPlan(glider, 255, allDrawable()).parts, (Parts{kBody, 0, 1, 2, 3, 4}));
    EXPECT_TRUE(maskedListPlan(glider, 0, allDrawable()).parts.empty());
    EXPECT_EQ(maskedListPlan(glider, 255 & ~ShowWingRight, allDrawable()).parts,
              (Parts{kBody, 0, 2, 3, 4}));
    EXPECT_EQ(maskedListPlan(glider, ShowWingLeft, allDrawable()).parts, (Parts{0}));
    EXPECT_EQ(maskedListPlan(glider, ShowStabLeft | ShowStabRight, allDrawable()).parts,
              (Parts{2, 3}));
    EXPECT_EQ(maskedListPlan(glider, ShowBody | ShowFin, allDrawable()).parts, (Parts{kBody, 4}));
}

TEST(MaskedListPlan, LeavesOutPartsThatFailedAndAFinWithoutPanes) {
    RederiveResult result = allDrawable();
    result.surfaces[StabLeft] = false;
    result.body = false;
    EXPECT_EQ(maskedListPlan(gliderWithParts(true), 255, result).parts, (Parts{0, 1, 3, 4}));
    EXPECT_EQ(maskedListPlan(gliderWithParts(false), 255, allDrawable()).parts,
              (Parts{kBody, 0, 1, 2, 3}));
}

TEST(RederiveGlider, RebuildsTheFinWhenItHasPanes) {
    std::vector<std::string> loaded;
    Glider glider = gliderWithParts(false);
    const RederiveResult without = rederiveGlider(glider, fakeLoader(&loaded));
    EXPECT_EQ(loaded.size(), 4u);
    EXPECT_FALSE(without.surfaces[Fin]);
    EXPECT_TRUE(without.body);

    loaded.clear();
    Glider withFin = gliderWithParts(true);
    withFin.surfaces[Fin].pane(0).c1 = 0.5f;
    withFin.surfaces[Fin].pane(0).c2 = 0.5f;
    const RederiveResult with = rederiveGlider(withFin, fakeLoader(&loaded));
    EXPECT_EQ(loaded.size(), 5u);
    EXPECT_TRUE(with.surfaces[Fin]);
    EXPECT_EQ(withFin.surfaces[Fin].spanSum, 1.0f);
    EXPECT_EQ(withFin.surfaces[Fin].areaSum, 0.5f) << "the weight estimate's area";
    EXPECT_EQ(withFin.surfaces[Fin].pane(0).rootPoint[2], 0.0);
}

TEST(RederiveGlider, ReportsSurfacesWhoseFoilFailsAndABodyWithoutSections) {
    Glider glider = gliderWithParts(false);
    glider.surfaces[WingRight].foil.foilFilename = "missing.txt";
    glider.surfaces[StabRight].foil.foilFilename.clear();
    glider.body.sections.clear();
    const RederiveResult result = rederiveGlider(glider, fakeLoader());
    EXPECT_TRUE(result.surfaces[WingLeft]);
    EXPECT_FALSE(result.surfaces[WingRight]);
    EXPECT_TRUE(result.surfaces[StabLeft]);
    EXPECT_FALSE(result.surfaces[StabRight]);
    EXPECT_FALSE(result.body);
    EXPECT_EQ(maskedListPlan(glider, 255, result).parts, (Parts{0, 2}));
}
