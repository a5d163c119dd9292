#include "aero/massproperties.h"
#include "testgliders.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace aero;
using namespace testgliders;

namespace {

const MassProperties& propertiesOf(const std::variant<MassProperties, Unavailable>& result) {
    static const MassProperties none;
    const auto* p = std::get_if<MassProperties>(&result);
    EXPECT_TRUE(p);
    return p ? *p : none;
}

} // namespace

TEST(MassProperties, FlatRectangularWingMatchesTheThinPlate) {
    // m = 2, b = 10, c = 1: I.xx = m·b²/12, I.yy = m·c²/12, I.zz = m(b² + c²)/12.
    const MassProperties p = propertiesOf(massProperties(rectangularWing(5, 1, 2, 1)));
    EXPECT_DOUBLE_EQ(p.mass, 2);
    EXPECT_NEAR(p.centre[0], 2.5, 1e-12);
    EXPECT_NEAR(p.centre[1], 0, 1e-12);
    EXPECT_NEAR(p.inertia[0], 200.0 / 12, 1e-9);
    EXPECT_NEAR(p.inertia[1], 2.0 / 12, 1e-9);
    EXPECT_NEAR(p.inertia[2], 202.0 / 12, 1e-9);
    EXPECT_NEAR(p.inertia[3], 0, 1e-12);
}

TEST(MassProperties, PaneCentroidFollowsTaperAndSweep) {
    // Fin pane c1 2, c2 1, env 3, fleche 0.6 standing at x 1, z 0.5: the centroid lies
    // [(4 + 2 + 1) + 0.6·(2 + 2)] / 9 behind its root and (3/3)(2 + 2)/3 above it.
    Glider g;
    setPart(g, Fin, {1, 0, 0.5f}, {pane(3, 2, 1, 0.6f, float(M_PI / 2))}, 3);
    const MassProperties p = propertiesOf(massProperties(g));
    EXPECT_NEAR(p.centre[0], 1 + 9.4 / 9, 1e-6);
    EXPECT_NEAR(p.centre[2], 0.5 + 4.0 / 3, 1e-6);
}

TEST(MassProperties, CylindricalBodyIsAThinShell) {
    // Radius 0.1, length 2, 1 kg: I.xx = m·r², I.yy = m(r²/2 + L²/12), skin 2π·r·L.
    Glider g;
    g.body.sections = {{0, -0.1f, 0.2f, 0.2f}, {2, -0.1f, 0.2f, 0.2f}};
    g.body.weight = 1;
    const MassProperties p = propertiesOf(massProperties(g));
    EXPECT_NEAR(p.centre[0], 1, 1e-6);
    EXPECT_NEAR(p.centre[2], 0, 1e-7);
    EXPECT_NEAR(p.inertia[0], 0.01, 1e-6);
    EXPECT_NEAR(p.inertia[1], 0.005 + 4.0 / 12, 1e-6);
    EXPECT_NEAR(bodyWettedArea(g.body), 2 * M_PI * 0.1 * 2, 1e-6);
}

TEST(MassProperties, BodySegmentsShareTheWeightByLateralArea) {
    // The second segment has twice the perimeter over the same length: two thirds of the mass.
    Glider g;
    g.body.sections = {{0, -0.1f, 0.2f, 0.2f},
                       {1, -0.1f, 0.2f, 0.2f},
                       {1, -0.2f, 0.4f, 0.4f},
                       {2, -0.2f, 0.4f, 0.4f}};
    g.body.weight = 3;
    const MassProperties p = propertiesOf(massProperties(g));
    EXPECT_NEAR(p.centre[0], (1 * 0.5 + 2 * 1.5) / 3, 1e-6);
}

TEST(MassProperties, ProductOfInertiaSignsTheTailHighBehind) {
    Glider g = rectangularWing(5, 1, 2, 1);
    g.body.sections = {{4, 0.9f, 0.2f, 0.2f}, {6, 0.9f, 0.2f, 0.2f}}; // axis at z = 1, x = 5
    g.body.weight = 2;
    const MassProperties p = propertiesOf(massProperties(g));
    // Wing 2 kg at (2.5, 0), body 2 kg at (5, 1): about the centre (3.75, 0.5) I.xz = 2·2·1.25·0.5.
    EXPECT_NEAR(p.inertia[3], 2.5, 1e-6);
}

TEST(MassProperties, SaysWhyItCannotPlaceTheMass) {
    Glider g;
    EXPECT_EQ(std::get<Unavailable>(massProperties(g)), Unavailable::NoWeight);
    g.body.weight = 1; // no sections
    EXPECT_EQ(std::get<Unavailable>(massProperties(g)), Unavailable::MassWithoutShape);
    g.body.weight = 0;
    g.surfaces[Fin].weight = 1; // no panes
    EXPECT_EQ(std::get<Unavailable>(massProperties(g)), Unavailable::MassWithoutShape);
    g.surfaces[Fin].weight = -1;
    EXPECT_EQ(std::get<Unavailable>(massProperties(g)), Unavailable::NegativeWeight);
}
