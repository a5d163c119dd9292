#include "render/framing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kHalf = std::tan(22.5 * M_PI / 180.0); // half height at unit depth

} // namespace

TEST(Framing, TheWidestOrTallestPointSetsTheDistance) {
    // Aspect 2: a point 1 m right needs half the depth a point 1 m up needs.
    const double right = *framingDistance({{1, 0, 0}}, 45, 2.0, 1.0, 0.05);
    const double up = *framingDistance({{0, 1, 0}}, 45, 2.0, 1.0, 0.05);
    EXPECT_NEAR(right, 1 / (2 * kHalf), 1e-6);
    EXPECT_NEAR(up, 1 / kHalf, 1e-6);
    EXPECT_NEAR(*framingDistance({{1, 0, 0}, {0, -1, 0}}, 45, 2.0, 1.0, 0.05), up, 1e-6);
    // Less than the whole window: farther away.
    EXPECT_NEAR(*framingDistance({{0, 1, 0}}, 45, 2.0, 0.5, 0.05), 2 / kHalf, 1e-6);
}

TEST(Framing, NearerPointsNeedMoreDistanceAndNothingFramesNoPoints) {
    // A point 0.5 m towards the eye must be its own depth farther.
    EXPECT_NEAR(*framingDistance({{0, 1, 0.5f}}, 45, 1.0, 1.0, 0.05), 0.5 + 1 / kHalf, 1e-6);
    // A point on the axis stays in front of the near plane.
    EXPECT_NEAR(*framingDistance({{0, 0, 2}}, 45, 1.0, 1.0, 0.05), 2.05, 1e-6);
    EXPECT_FALSE(framingDistance({}, 45, 1.0, 0.9, 0.05).has_value());
}
