#include "aero/foilpolars.h"
#include "testgliders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace aero;
using namespace testgliders;

TEST(FoilPolars, DragIsInterpolatedInLogReynoldsAndHeldOutside) {
    const FoilPolars polars(
        foilWith({constantDragPolar(100000, 0.02f, 1.2f), constantDragPolar(400000, 0.01f, 1.4f)}));
    EXPECT_NEAR(polars.dragAt(0.5, 200000), 0.015, 1e-6); // halfway in log Re
    EXPECT_NEAR(polars.dragAt(0.5, 50000), 0.02, 1e-7);
    EXPECT_NEAR(polars.dragAt(0.5, 4e6), 0.01, 1e-7);
    EXPECT_NEAR(polars.maxLift(200000), 1.3, 1e-6);
}

TEST(FoilPolars, ReadsTheAttachedBranchOnly) {
    // Lift rises 0.1 per degree with drag 0.01 + 0.001·deg², stalls at 12° and falls after.
    Polar polar;
    polar.reynolds = 200000;
    for (int deg = -20; deg <= 20; ++deg) {
        const int attached = std::clamp(deg, -10, 12);
        const float cl = 0.1f * attached - 0.05f * float(deg - attached);
        polar.rows.push_back({deg * 0.0174533f, cl, 0.01f + 0.001f * deg * deg});
    }
    const FoilPolars polars(foilWith({polar}));
    EXPECT_NEAR(polars.dragAt(1.05, 200000), 0.01 + 0.001 * 110.5, 1e-6); // between 10° and 11°
    EXPECT_NEAR(polars.dragAt(-0.95, 200000), 0.01 + 0.001 * 90.5, 1e-6);
    EXPECT_NEAR(polars.dragAt(2.0, 200000), 0.01 + 0.001 * 144, 1e-6); // held at the stall
    EXPECT_NEAR(polars.maxLift(200000), 1.2, 1e-6);
}

TEST(FoilPolars, PolarsWithoutRowsOrReynoldsAreLeftOut) {
    Foil foil;
    EXPECT_TRUE(FoilPolars(foil).empty());
    Polar bad = constantDragPolar(0, 0.01f, 1.2f);
    EXPECT_TRUE(FoilPolars(foilWith({bad})).empty());
}
