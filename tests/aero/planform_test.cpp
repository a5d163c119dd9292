#include "aero/planform.h"
#include "testgliders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace aero;
using namespace testgliders;

TEST(Planform, RectangularWingHasItsChordAsMeanChord) {
    const Glider g = rectangularWing(5, 1, 2, 1);
    const auto wing = planformOf(g, Part::Wing);
    ASSERT_TRUE(wing);
    EXPECT_DOUBLE_EQ(wing->span, 10);
    EXPECT_DOUBLE_EQ(wing->area, 10);
    EXPECT_DOUBLE_EQ(wing->aspectRatio, 10);
    EXPECT_DOUBLE_EQ(wing->meanChord, 1);
    EXPECT_DOUBLE_EQ(wing->meanChordLeadingEdgeX, 2);
    EXPECT_DOUBLE_EQ(wing->aerodynamicCentreX(), 2.25);
}

TEST(Planform, TaperedSweptPanesAverageTheirMeanChordsByArea) {
    Glider g;
    // c̄ = 2/3 (4 + 2 + 1) / 3 = 14/9 at s̄ = 4/3, leading edge 0.6 · (4/3) / 3 = 0.2667 back.
    // The outer pane: c̄ = 1 at s̄ = 0.5, leading edge at 1 + 0.6 + 0.1 · 0.5 = 1.65.
    setPart(g, WingLeft, {1, 0, 0}, {pane(3, 2, 1, 0.6f), pane(1, 1, 1, 0.1f)}, 1);
    const auto wing = planformOf(g, Part::Wing);
    ASSERT_TRUE(wing);
    EXPECT_DOUBLE_EQ(wing->area, 2 * (4.5 + 1));
    EXPECT_NEAR(wing->meanChord, (4.5 * 14.0 / 9 + 1 * 1) / 5.5, 1e-6);
    EXPECT_NEAR(wing->meanChordLeadingEdgeX, (4.5 * (1 + 0.6 * 4.0 / 9) + 1 * 1.65) / 5.5, 1e-6);
}

TEST(Planform, SpanIsProjectedThroughTheDihedral) {
    Glider g;
    const float dihedral = float(10 * M_PI / 180);
    setPart(g, WingLeft, {0, 0, 0}, {pane(4, 1, 1, 0, dihedral)}, 1);
    const auto wing = planformOf(g, Part::Wing);
    EXPECT_NEAR(wing->span, 8 * std::cos(double(dihedral)), 1e-9);
    EXPECT_NEAR(wing->aspectRatio, wing->span * wing->span / 8, 1e-9);
}

TEST(Planform, MissingOrFlatPartsHaveNoPlanform) {
    Glider g = rectangularWing(5, 1, 2, 1);
    EXPECT_FALSE(planformOf(g, Part::Stabiliser));
    setPart(g, Fin, {5, 0, 0}, {pane(1, 0, 0, 0, float(M_PI / 2))}, 1);
    EXPECT_FALSE(planformOf(g, Part::Fin));
}
