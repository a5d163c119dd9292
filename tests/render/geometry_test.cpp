#include "render/geometry.h"

#include "model/body.h"
#include "model/foil.h"
#include "model/pane.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

Foil foilOf(std::vector<FoilPoint> points) {
    Foil foil;
    foil.points = std::move(points);
    return foil;
}

Pane paneOn(const Foil& foil, int side) {
    Pane pane;
    pane.side = side;
    pane.env = 5;
    pane.c1 = 2;
    pane.c2 = 1;
    pane.fleche = 0.5f;
    pane.foil = &foil;
    return pane;
}

void expectVec(const Vec3f& actual, float x, float y, float z) {
    EXPECT_FLOAT_EQ(actual[0], x);
    EXPECT_FLOAT_EQ(actual[1], y);
    EXPECT_FLOAT_EQ(actual[2], z);
}

bool allFinite(const std::vector<Vertex>& vertices) {
    for (const Vertex& v : vertices)
        for (float f : {v.position[0], v.position[1], v.position[2], v.normal[0], v.normal[1],
                        v.normal[2], v.texCoord[0], v.texCoord[1]})
            if (!std::isfinite(f))
                return false;
    return true;
}

} // namespace

TEST(PaneStrip, TwoPointFoilOnSideMinusOneEmitsRootThenTip) {
    const Foil foil = foilOf({{1, 0}, {0, 0.1f}});
    const PaneStrip strip = paneStrip(paneOn(foil, -1), true, 5);

    ASSERT_EQ(strip.vertices.size(), 4u);
    expectVec(strip.vertices[0].position, -2, 0, 0);
    expectVec(strip.vertices[1].position, -1.5f, -5, 0);
    expectVec(strip.vertices[2].position, 0, 0, 0.2f);
    expectVec(strip.vertices[3].position, -0.5f, -5, 0.1f);

    // Both ends take their end rule; each pair shares its normal.
    expectVec(strip.vertices[0].normal, -0.1f, 0, 1);
    expectVec(strip.vertices[1].normal, -0.1f, 0, 1);
    expectVec(strip.vertices[3].normal, -0.1f, 0, 1);

    EXPECT_FLOAT_EQ(strip.vertices[0].texCoord[0], 0.5f);
    EXPECT_FLOAT_EQ(strip.vertices[1].texCoord[0], 1.0f);
    EXPECT_FLOAT_EQ(strip.vertices[0].texCoord[1], 0.5f);
    EXPECT_FLOAT_EQ(strip.vertices[3].texCoord[1], 1.0f);
    for (const Vertex& v : strip.vertices)
        EXPECT_TRUE(v.hasTexCoord);
}

TEST(PaneStrip, SidePlusOneEmitsTipThenRootAndMapsItsTipToColumnZero) {
    const Foil foil = foilOf({{1, 0}, {0, 0.1f}});
    const PaneStrip strip = paneStrip(paneOn(foil, 1), true, 5);

    ASSERT_EQ(strip.vertices.size(), 4u);
    expectVec(strip.vertices[0].position, -1.5f, 5, 0);
    expectVec(strip.vertices[1].position, -2, 0, 0);
    expectVec(strip.vertices[2].position, -0.5f, 5, 0.1f);
    expectVec(strip.vertices[3].position, 0, 0, 0.2f);
    EXPECT_FLOAT_EQ(strip.vertices[0].texCoord[0], 0.0f);
    EXPECT_FLOAT_EQ(strip.vertices[1].texCoord[0], 0.5f);

    for (const Vertex& v : paneStrip(paneOn(foil, 1), false, 5).vertices)
        EXPECT_FALSE(v.hasTexCoord);
}

TEST(PaneStrip, IsPlacedAtItsRootAndTurnedBySideTimesDihedral) {
    const Foil foil = foilOf({{1, 0}, {0, 0}});
    Pane fin = paneOn(foil, -1);
    fin.diedre = 1.5707964f;
    fin.rootPoint = {-3.5, 0, 0.25};
    const PaneStrip strip = paneStrip(fin, false, 5);

    EXPECT_EQ(strip.translation, (std::array<double, 3>{-3.5, 0, 0.25}));
    EXPECT_NEAR(strip.rotationDegrees, -90.0f, 1e-4);
    // Turned by -90 degrees about X, the tip at local y = -env rises to +env.
    const float y = strip.vertices[1].position[1];
    const float angle = strip.rotationDegrees * 3.14159265f / 180;
    EXPECT_NEAR(y * std::sin(angle), 5.0f, 1e-5);

    Pane right = paneOn(foil, 1);
    right.diedre = 0.1f;
    EXPECT_NEAR(paneStrip(right, false, 5).rotationDegrees, 5.729578f, 1e-5);
}

// Each figure in double from the model's values, in the order its formula is written, and
// rounded to float once: evaluated in float they drift by an ulp.
TEST(PaneStrip, TurnAndTextureColumnsAreEvaluatedInDouble) {
    const Foil foil = foilOf({{1, 0}, {0, 0}});
    Pane pane = paneOn(foil, -1);
    pane.diedre = 0.0523599f;
    pane.env = 0.3f;
    pane.rootPoint = {0, 0.1, 0};
    const float span = 0.7f;
    const PaneStrip strip = paneStrip(pane, true, span);
    EXPECT_EQ(strip.rotationDegrees, -1.0 * double(pane.diedre) * 57.29577951);
    const double s = span;
    EXPECT_EQ(strip.vertices[0].texCoord[0], float((s - 0.1) / (2 * s)));
    EXPECT_EQ(strip.vertices[1].texCoord[0], float((s - 0.1 - -1.0 * double(pane.env)) / (2 * s)));
}

TEST(PaneStrip, TextureRowsFollowUpperThenLowerSurface) {
    const Foil foil = foilOf({{1, 0}, {0.5f, 0.05f}, {0, 0}, {0.5f, -0.05f}, {1, 0}});
    const PaneStrip strip = paneStrip(paneOn(foil, -1), true, 5);

    ASSERT_EQ(strip.vertices.size(), 10u);
    const float expected[] = {0.5f, 0.25f, 0.0f, 0.75f, 1.0f};
    for (int k = 0; k < 5; ++k) {
        EXPECT_FLOAT_EQ(strip.vertices[2 * k].texCoord[1], expected[k]) << k;
        EXPECT_FLOAT_EQ(strip.vertices[2 * k + 1].texCoord[1], expected[k]) << k;
    }
}

TEST(PaneStrip, InteriorNormalPointsFromTwiceTheCircleCentre) {
    // Circle of centre (1, 1): the rule's (Xc, Yc) is (2, 2).
    const Foil foil = foilOf({{2, 1}, {1, 2}, {0, 1}});
    const PaneStrip strip = paneStrip(paneOn(foil, -1), false, 5);
    expectVec(strip.vertices[2].normal, 1, 0, 0);
}

TEST(PaneStrip, CollinearNeighboursGiveAFiniteNormal) {
    const Foil foil = foilOf({{1, 0}, {0.5f, 0}, {0, 0}});
    const PaneStrip strip = paneStrip(paneOn(foil, -1), false, 5);
    ASSERT_EQ(strip.vertices.size(), 6u);
    expectVec(strip.vertices[2].normal, 0, 0, 1);
    EXPECT_TRUE(allFinite(strip.vertices));
}

TEST(PaneStrip, ZeroSpanSumMapsToTheMiddleColumn) {
    const Foil foil = foilOf({{1, 0}, {0, 0.1f}});
    Pane pane = paneOn(foil, 1);
    pane.env = 0;
    const PaneStrip strip = paneStrip(pane, true, 0);
    ASSERT_EQ(strip.vertices.size(), 4u);
    EXPECT_TRUE(allFinite(strip.vertices));
    for (const Vertex& v : strip.vertices)
        EXPECT_FLOAT_EQ(v.texCoord[0], 0.5f);
}

TEST(PaneStrip, UndrawablePanesGiveNoStrip) {
    const Foil single = foilOf({{1, 0}});
    const Foil none = foilOf({});
    EXPECT_TRUE(paneStrip(paneOn(single, -1), true, 5).vertices.empty());
    EXPECT_TRUE(paneStrip(paneOn(none, 1), true, 5).vertices.empty());

    Pane orphan = paneOn(none, 1);
    orphan.foil = nullptr;
    EXPECT_TRUE(paneStrip(orphan, true, 5).vertices.empty());

    const Foil foil = foilOf({{1, 0}, {0, 0.1f}});
    Pane broken = paneOn(foil, -1);
    broken.c2 = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(paneStrip(broken, true, 5).vertices.empty());
    Pane far = paneOn(foil, -1);
    far.rootPoint = {0, std::numeric_limits<double>::infinity(), 0};
    EXPECT_TRUE(paneStrip(far, true, 5).vertices.empty());
}

// A negative chord from a file would flip its end of the pane behind the other into a
// crossed bow tie; that end is drawn as a point on the leading edge instead.
TEST(PaneStrip, ANegativeChordNeverCrossesTheStrip) {
    const Foil foil = foilOf({{1, 0}, {0.5f, 0.06f}, {0, 0}, {0.5f, -0.04f}, {1, 0}});
    for (const float c2 : {-0.8f, 0.0f}) {
        Pane pane = paneOn(foil, 1);
        pane.c2 = c2;
        const PaneStrip strip = paneStrip(pane, false, 5);
        ASSERT_EQ(strip.vertices.size(), 10u);
        for (std::size_t k = 0; k < strip.vertices.size(); k += 2) {
            const Vertex& tip = strip.vertices[k]; // the right side lists the tip first
            expectVec(tip.position, -0.5f, 5, 0);
            EXPECT_LE(strip.vertices[k + 1].position[0], 0.0f) << "the root stays as it was";
        }
    }
}

TEST(BodyStrips, ThreeSectionsMakeTwoRingsOfEighteen) {
    Body body;
    body.sections = {{0, 0, 0.2f, 0.1f}, {1, 0.1f, 0.4f, 0.3f}, {3, 0.2f, 0.1f, 0.05f}};
    const std::vector<std::vector<Vertex>> strips = bodyStrips(body, true);

    ASSERT_EQ(strips.size(), 2u);
    ASSERT_EQ(strips[0].size(), 18u);
    ASSERT_EQ(strips[1].size(), 18u);

    // Ring start: side +1 flank at mid-height.
    expectVec(strips[0][0].position, 0, 0.05f, 0.1f);
    expectVec(strips[0][1].position, -1, 0.15f, 0.3f);
    expectVec(strips[1][1].position, -3, 0.025f, 0.25f);
    expectVec(strips[0][0].normal, 0, 1, 0);
    // j = 2 is the top of the ring.
    EXPECT_NEAR(strips[0][5].position[1], 0.0f, 1e-6);
    EXPECT_NEAR(strips[0][5].position[2], 0.5f, 1e-6);
    // j = 6 is the bottom.
    EXPECT_NEAR(strips[0][13].position[2], 0.1f, 1e-6);

    EXPECT_FLOAT_EQ(strips[0][0].texCoord[1], 0.0f);
    EXPECT_FLOAT_EQ(strips[0][1].texCoord[1], 0.5f);
    EXPECT_FLOAT_EQ(strips[1][0].texCoord[1], 0.5f);
    EXPECT_FLOAT_EQ(strips[1][1].texCoord[1], 1.0f);
    for (int j = 0; j <= 8; ++j) {
        EXPECT_FLOAT_EQ(strips[0][2 * j].texCoord[0], j * 0.125f);
        EXPECT_FLOAT_EQ(strips[0][2 * j + 1].texCoord[0], j * 0.125f);
        EXPECT_TRUE(strips[0][2 * j].hasTexCoord);
    }
}

TEST(BodyStrips, RingVerticesAreEvaluatedInDouble) {
    Body body;
    body.sections = {{0, 0.01f, 0.03f, 0.03f}, {1, 0.01f, 0.03f, 0.03f}};
    const auto strips = bodyStrips(body, false);
    ASSERT_EQ(strips.size(), 1u);
    const BodySection& section = body.sections[0];
    for (int j = 0; j <= 8; ++j) {
        const double a = j * 0.785398163375;
        const Vec3f& at = strips[0][2 * j].position;
        EXPECT_EQ(at[1], float(double(section.l) / 2 * std::cos(a)));
        EXPECT_EQ(at[2], float(double(section.z) + double(section.h) / 2 * (1 + std::sin(a))));
    }
}

TEST(BodyStrips, UntexturedStripsCarryNoTextureCoordinates) {
    Body body;
    body.sections = {{0, 0, 1, 1}, {1, 0, 1, 1}};
    const auto strips = bodyStrips(body, false);
    for (const Vertex& v : strips.at(0))
        EXPECT_FALSE(v.hasTexCoord);
}

TEST(BodyStrips, FewerThanTwoSectionsOrNonFiniteSectionsDrawNothing) {
    Body body;
    EXPECT_TRUE(bodyStrips(body, false).empty());
    body.sections = {{0, 0, 1, 1}};
    EXPECT_TRUE(bodyStrips(body, false).empty());
    body.sections = {{0, 0, 1, 1}, {1, 0, std::numeric_limits<float>::infinity(), 1}, {2, 0, 1, 1}};
    const auto strips = bodyStrips(body, false);
    EXPECT_TRUE(strips.empty());
}
