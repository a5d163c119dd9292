#include "aero/flightanalysis.h"
#include "aero/units.h"
#include "testgliders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace aero;
using namespace testgliders;

namespace {

const Stability& stabilityFor(const FlightAnalysis& a) {
    static const Stability none;
    EXPECT_TRUE(a.stable());
    return a.stable() ? *a.stable() : none;
}

// Wing AR 10 (b 10, c 1) at x 2; a flat stabiliser AR 4 (b 2, c 0.5) at x 6; a 1 m² fin at x 5.5.
Glider tailedGlider(float stabDihedral) {
    Glider g = rectangularWing(5, 1, 2, 1);
    setPart(g, StabLeft, {6, 0, 0}, {pane(1, 0.5f, 0.5f, 0, stabDihedral)}, 0);
    setPart(g, Fin, {5.5f, 0, 0}, {pane(1, 1, 1, 0, float(M_PI / 2))}, 0);
    return g;
}

} // namespace

TEST(Stability, TaillessWingIsNeutralNearItsQuarterChord) {
    Glider g = rectangularWing(5, 1, 2, 1);
    g.centrum = {-2.15f, 0, 0}; // file x 2.15, held negated
    const Stability s = stabilityFor(analyseGlider(g));
    ASSERT_TRUE(s.fromLattice);
    EXPECT_NEAR(s.neutralPointX, 2.25, 0.01);
    EXPECT_NEAR(s.staticMargin, s.neutralPointX - 2.15, 1e-6);
    EXPECT_LT(s.momentSlope, 0);
    EXPECT_EQ(s.horizontalVolume, 0);
    // The closed form puts it on the quarter chord.
    const Planform wing = *planformOf(g, Part::Wing);
    EXPECT_DOUBLE_EQ(stabilityOf(wing, {}, {}, 2.15).neutralPointX, 2.25);
}

TEST(Stability, FuselageFarAheadAddsMunksMoment) {
    // Far from the wing the flow is the free stream's: ΔC_mα = (π/2)·w²·L / (S·c̄), here
    // a body 0.3 m wide and 2 m long on a 10 m² wing of 1 m chord, 0.0283 per radian.
    Glider g = rectangularWing(5, 1, 2, 1);
    g.body.sections = {{-60, 0, 0.3f, 0.3f}, {-58, 0, 0.3f, 0.3f}};
    const Stability with = stabilityFor(analyseGlider(g));
    EXPECT_NEAR(with.fuselageMomentSlope, kPi / 2 * 0.09 * 2 / 10, 2e-4);
    AnalysisOptions without;
    without.parts.fuselage = false;
    const Stability bare = stabilityFor(analyseGlider(g, without));
    EXPECT_EQ(bare.fuselageMomentSlope, 0);
    EXPECT_NEAR(bare.neutralPointX - with.neutralPointX, with.fuselageMomentSlope / with.liftSlope,
                1e-9);
}

TEST(Stability, TailMovesTheNeutralPointBack) {
    // a_w = 5.15098, a_t = 3.88322, dε/dα = 2·a_w/(10π) = 0.327922, V_H = 1·3.875/10:
    // x_np = 2.25 + 0.9·0.3875·(a_t/a_w)·(1 − dε/dα) = 2.426700.
    const Glider g = tailedGlider(0);
    const Stability s = stabilityOf(*planformOf(g, Part::Wing), planformOf(g, Part::Stabiliser),
                                    planformOf(g, Part::Fin), 0);
    EXPECT_NEAR(liftSlope(10), 5.150980, 1e-6);
    EXPECT_DOUBLE_EQ(s.horizontalLever, 3.875);
    EXPECT_DOUBLE_EQ(s.horizontalVolume, 0.3875);
    EXPECT_NEAR(s.neutralPointX, 2.426700, 1e-6);
    // Fin: S_V 1, l_V 5.75 − 2.25, V_V = 1·3.5 / (10·10).
    EXPECT_DOUBLE_EQ(s.verticalLever, 3.5);
    EXPECT_NEAR(s.verticalVolume, 0.035, 1e-12);
    // The lattice agrees within 2 % of the mean chord on this plain layout.
    const Stability lattice = stabilityFor(analyseGlider(g));
    EXPECT_NEAR(lattice.neutralPointX, 2.4267, 0.02);
    EXPECT_DOUBLE_EQ(lattice.horizontalVolume, 0.3875);
}

TEST(Stability, VTailCountsItsProjectedAreas) {
    const float dihedral = float(40 * M_PI / 180);
    const Stability s = stabilityFor(analyseGlider(tailedGlider(dihedral)));
    const double cos2 = std::pow(std::cos(double(dihedral)), 2);
    EXPECT_NEAR(s.horizontalTailArea, cos2, 1e-9);
    EXPECT_NEAR(s.verticalTailArea, 1 + (1 - cos2), 1e-9);
}

TEST(Stability, NeedsAWing) {
    Glider g;
    setPart(g, StabLeft, {6, 0, 0}, {pane(1, 0.5f, 0.5f)}, 1);
    const FlightAnalysis a = analyseGlider(g);
    EXPECT_FALSE(a.wing);
    EXPECT_EQ(std::get<Unavailable>(a.stability), Unavailable::NoWing);
    EXPECT_EQ(std::get<Unavailable>(a.performance), Unavailable::NoWing);
}
