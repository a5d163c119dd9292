#include "aero/foilpolars.h"
#include "aero/polarextension.h"
#include "formats/foilfile.h"
#include "testgliders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

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

namespace {

// As a file keeps it: angles in degrees and coefficients to six digits.
Polar asWritten(const Polar& polar) {
    Polar out = polar;
    for (PolarPoint& row : out.rows) {
        char text[64];
        std::snprintf(text, sizeof text, "%.6g", double(row.alpha) * 180 / M_PI);
        row.alpha = float(std::strtod(text, nullptr) * M_PI / 180);
        std::snprintf(text, sizeof text, "%.6g %.6g", double(row.cl), double(row.cd));
        double cl = 0, cd = 0;
        std::sscanf(text, "%lf %lf", &cl, &cd);
        row.cl = float(cl);
        row.cd = float(cd);
    }
    return out;
}

// A thin section's XFOIL rows from −6° to 7°, stalling gently at cl 0.62.
Polar thinSection() {
    Polar polar;
    polar.reynolds = 50000;
    for (int i = -12; i <= 14; ++i) {
        const double deg = 0.5 * i;
        const double cl = std::min(0.1 * deg, 0.62 - 0.02 * (deg - 6.2));
        polar.rows.push_back({float(deg * M_PI / 180), float(cl), float(0.02 + 0.002 * deg * deg)});
    }
    return polar;
}

} // namespace

TEST(FoilPolars, StallIsXfoilsNotTheExtensions) {
    for (double cdMax : {1.8, 1.3}) {
        const Polar measured = thinSection();
        const Polar extended = asWritten(extendPolar(measured, cdMax));
        // The extension lifts more near 45° than the section before its stall.
        double highest = 0;
        for (const PolarPoint& row : extended.rows)
            highest = std::max(highest, double(row.cl));
        ASSERT_GT(highest, 0.65);
        const RowRange own = measuredRows(extended);
        EXPECT_EQ(own.last - own.first, measured.rows.size()) << cdMax;
        EXPECT_NEAR(extended.rows[own.first].alpha, measured.rows.front().alpha, 1e-5);
        EXPECT_NEAR(FoilPolars(foilWith({extended})).maxLift(50000), 0.614, 1e-6);
    }
    // A table without extension is all its own; one side extended is cut on that side only.
    const Polar plain = thinSection();
    const RowRange all = measuredRows(plain);
    EXPECT_EQ(all.first, 0u);
    EXPECT_EQ(all.last, plain.rows.size());
    Polar oneSide = asWritten(extendPolar(thinSection()));
    const RowRange cut = measuredRows(oneSide);
    oneSide.rows.erase(oneSide.rows.begin(), oneSide.rows.begin() + long(cut.first));
    EXPECT_EQ(measuredRows(oneSide).first, 0u);
    EXPECT_EQ(measuredRows(oneSide).last, cut.last - cut.first);
}

TEST(FoilPolars, SampleAirfoilFilesKeepXfoilsRowsApart) {
    // The sample files hold XFOIL's sweep from −15° to 20° and the extension beyond, as read
    // back from six digits in degrees.
    for (const char* name : {"tail8.txt", "pipit.txt", "harle.txt"}) {
        Foil foil;
        loadFoil(foil, std::string(KESH_SOURCE_DIR) + "/sample/airfoils/" + name);
        for (std::size_t i = 1; i + 1 < foil.polars.size(); ++i) {
            const Polar& polar = foil.polars[i];
            const RowRange own = measuredRows(polar);
            ASSERT_LT(own.first, own.last) << name;
            EXPECT_GT(own.first, 0u) << name << " " << polar.reynolds;
            EXPECT_LT(own.last, polar.rows.size()) << name << " " << polar.reynolds;
            EXPECT_GE(polar.rows[own.first].alpha, -15.01 * M_PI / 180) << name;
            EXPECT_LE(polar.rows[own.last - 1].alpha, 20.01 * M_PI / 180) << name;
            EXPECT_GE(polar.rows.size() - own.last, 30u) << name; // every 5° to 180°
        }
    }
}
