#include "model/angles.h"
#include "model/errors.h"
#include "model/glider.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

Surface surfaceWithSpans(std::initializer_list<float> spans, int slot = WingLeft) {
    Surface s;
    s.slot = slot;
    s.side = Surface::sideOfSlot(slot);
    for (float env : spans) {
        Pane p;
        p.env = env;
        s.appendPane(p);
    }
    return s;
}

void loadNothing(Foil&, const std::string&) {}

} // namespace

TEST(SurfacePanes, InsertAtFrontAndAppendKeepOrderAndZeroValues) {
    Surface s = surfaceWithSpans({1, 2, 3});
    s.pane(1).throwUp = 0.25f;
    s.insertPane(0);
    ASSERT_EQ(s.npart(), 4);
    EXPECT_EQ(s.pane(0).env, 0);
    EXPECT_EQ(s.pane(0).color, (Color{0, 0, 0}));
    EXPECT_EQ(s.pane(0).foil, &s.foil);
    EXPECT_EQ(s.pane(1).env, 1);
    EXPECT_EQ(s.pane(2).throwUp, 0.25f);
    s.insertPane(-1);
    EXPECT_EQ(s.npart(), 5);
    EXPECT_EQ(s.pane(4).env, 0);
}

TEST(SurfacePanes, RemoveShiftsFollowingPanesDown) {
    Surface s = surfaceWithSpans({1, 2, 3});
    s.removePane(0);
    ASSERT_EQ(s.npart(), 2);
    EXPECT_EQ(s.pane(0).env, 2);
    EXPECT_EQ(s.pane(1).env, 3);
    s.removePane(7); // out of range: nothing happens
    EXPECT_EQ(s.npart(), 2);
}

TEST(SurfacePanes, CopiesAndMovesPointPanesAtTheirOwnFoil) {
    Surface s = surfaceWithSpans({1, 2});
    Surface copy(s);
    EXPECT_EQ(copy.pane(1).foil, &copy.foil);
    Surface moved(std::move(copy));
    EXPECT_EQ(moved.pane(0).foil, &moved.foil);
    Surface assigned;
    assigned = s;
    EXPECT_EQ(assigned.pane(0).foil, &assigned.foil);
}

// "Add" goes on from the last pane (the page tests the rest); a pane without a root chord
// has no taper to keep, and a new pane has no control surface yet.
TEST(SurfacePanes, AnAddedPaneContinuesTheOneBefore) {
    const std::array<float, 3> cases[] = {{0.2f, 0.16f, 0.128f}, {0, 0.12f, 0.12f}};
    for (const auto& [c1, c2, tip] : cases) {
        Pane last;
        last.c1 = c1;
        last.c2 = c2;
        last.throwUp = 3;
        const Pane next = continuingPane(last);
        EXPECT_EQ(next.c1, c2);
        EXPECT_FLOAT_EQ(next.c2, tip);
        EXPECT_EQ(next.throwUp, 0.0f);
    }
    Surface fin = surfaceWithSpans({}, Fin);
    fin.insertPane(-1, firstPane(Fin));
    EXPECT_EQ(fin.pane(0).diedre, kUprightDihedral);
    EXPECT_EQ(fin.pane(0).foil, &fin.foil);
}

TEST(SurfaceChain, FirstRootIsMirroredPositionAndLaterRootsFollowTips) {
    for (int slot : {WingLeft, WingRight}) {
        Surface s = surfaceWithSpans({2, 3}, slot);
        s.position = {0.5f, 0.25f, 0.1f};
        s.pane(0).fleche = 0.2f;
        s.pane(0).diedre = 0.1f;
        s.computePaneValues();
        s.chainRootPoints();
        const int side = Surface::sideOfSlot(slot);
        EXPECT_DOUBLE_EQ(s.pane(0).rootPoint[0], -0.5);
        EXPECT_DOUBLE_EQ(s.pane(0).rootPoint[1], side * double(0.25f));
        EXPECT_DOUBLE_EQ(s.pane(0).rootPoint[2], double(0.1f));
        EXPECT_DOUBLE_EQ(s.pane(1).rootPoint[0], -0.5 - double(0.2f));
        EXPECT_DOUBLE_EQ(s.pane(1).rootPoint[1],
                         side * double(0.25f) + side * 2 * std::cos(double(0.1f)));
        EXPECT_DOUBLE_EQ(s.pane(1).rootPoint[2], double(0.1f) + 2 * std::sin(double(0.1f)));
    }
}

TEST(SurfaceChain, FinPaneRisesStraightUp) {
    Surface fin = surfaceWithSpans({1, 1}, Fin);
    fin.pane(0).diedre = 1.5707964f;
    fin.computePaneValues();
    fin.chainRootPoints();
    EXPECT_NEAR(fin.pane(1).rootPoint[2], 1.0, 1e-12);
    EXPECT_NEAR(fin.pane(1).rootPoint[1], 0.0, 1e-7);
}

TEST(SurfaceRebuild, DerivesAreasSumsAndMovesFollowingRootsAfterAnEdit) {
    Surface s = surfaceWithSpans({2, 3});
    s.pane(0).c1 = 1.0f;
    s.pane(0).c2 = 0.5f;
    s.foil.foilPath = "any.txt";
    ASSERT_TRUE(rebuildSurface(s, loadNothing));
    EXPECT_FLOAT_EQ(s.pane(0).area, 1.5f);
    EXPECT_FLOAT_EQ(s.spanSum, 5.0f);
    EXPECT_FLOAT_EQ(s.areaSum, 1.5f);
    s.pane(0).env = 4;
    ASSERT_TRUE(rebuildSurface(s, loadNothing));
    EXPECT_DOUBLE_EQ(s.pane(1).rootPoint[1], -4.0);
    EXPECT_FLOAT_EQ(s.spanSum, 7.0f);
}

TEST(SurfaceRebuild, FailsWithoutAFoilNameOrWhenTheFoilDoesNotLoad) {
    Surface s = surfaceWithSpans({2});
    EXPECT_FALSE(rebuildSurface(s, loadNothing));
    EXPECT_EQ(s.spanSum, 0);

    std::string triedPath;
    s.foil.foilFilename = "bare.txt";
    const auto failing = [&](Foil&, const std::string& path) {
        triedPath = path;
        throw errLoadFoil("missing", "Error");
    };
    EXPECT_FALSE(rebuildSurface(s, failing));
    EXPECT_EQ(triedPath, "bare.txt");
    EXPECT_EQ(s.spanSum, 0);

    s.foil.foilPath = "/full/path.txt";
    EXPECT_FALSE(rebuildSurface(s, failing));
    EXPECT_EQ(triedPath, "/full/path.txt"); // the last loaded path wins over the bare name
}

TEST(SurfaceRebuild, EmptySurfaceRebuildsWithZeroSums) {
    Surface s;
    s.foil.foilPath = "f.txt";
    EXPECT_TRUE(rebuildSurface(s, loadNothing));
    EXPECT_EQ(s.areaSum, 0);
    EXPECT_EQ(s.spanSum, 0);
}
