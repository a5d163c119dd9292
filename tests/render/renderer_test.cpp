#include "render/gliderrenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

TEST(GliderRenderer, DraggingInTheFreeViewTurnsOneDegreePerPixel) {
    GliderRenderer r;
    r.pressLeft(10, 20);
    EXPECT_TRUE(r.moveTo(100, 20));
    EXPECT_EQ(r.rotZ, 90);
    EXPECT_TRUE(r.moveTo(100, -380));
    EXPECT_EQ(r.rotX, -400); // no wrapping
    r.releaseLeft();
    EXPECT_FALSE(r.moveTo(0, 0));
    EXPECT_EQ(r.rotZ, 90);
}

TEST(GliderRenderer, DraggingInAPresetChangesNothing) {
    for (int mode : {ViewLeft, ViewFront, ViewTop}) {
        GliderRenderer r;
        r.viewMode = mode;
        r.pressLeft(0, 0);
        EXPECT_FALSE(r.moveTo(50, 50));
        EXPECT_EQ(r.rotX, 0);
        EXPECT_EQ(r.rotZ, 0);
        // The last position stayed where the button went down.
        r.viewMode = ViewFree;
        r.moveTo(60, 0);
        EXPECT_EQ(r.rotZ, 60);
    }
}

namespace {

// Where a point of the view plane through the rotation centre shows, in pixels.
std::pair<double, double> onScreen(const GliderRenderer& r, double x, double y, int width,
                                   int height) {
    const double halfHeight = r.zoom * std::tan(22.5 * M_PI / 180.0);
    const double halfWidth = halfHeight * double(width) / height;
    return {(1 + (x + r.panX) / halfWidth) * width / 2,
            (1 - (y + r.panY) / halfHeight) * height / 2};
}

} // namespace

TEST(GliderRenderer, EachWheelNotchIsOneRatioOfTheDistanceWithinTheSliderRange) {
    GliderRenderer r;
    r.setClientSize(400, 300);
    ASSERT_TRUE(r.zoomAt(200, 150, 1));
    EXPECT_FLOAT_EQ(r.zoom, float(1 / GliderRenderer::kNotchRatio));
    ASSERT_TRUE(r.zoomAt(200, 150, -2));
    EXPECT_FLOAT_EQ(r.zoom, float(GliderRenderer::kNotchRatio));
    // At the centre of the window the picture does not shift.
    EXPECT_EQ(r.panX, 0.0f);
    EXPECT_EQ(r.panY, 0.0f);

    r.zoomAt(200, 150, 100);
    EXPECT_FLOAT_EQ(r.zoom, GliderRenderer::kMinZoom);
    EXPECT_FALSE(r.zoomAt(200, 150, 1));
    r.zoomAt(200, 150, -100);
    EXPECT_FLOAT_EQ(r.zoom, GliderRenderer::kMaxZoom);
    EXPECT_FALSE(r.zoomAt(10, 10, -1));

    // Farther than the slider reaches, the wheel only comes nearer.
    r.zoom = 15.0f;
    EXPECT_FALSE(r.zoomAt(200, 150, -1));
    ASSERT_TRUE(r.zoomAt(200, 150, 1));
    EXPECT_FLOAT_EQ(r.zoom, float(15.0 / GliderRenderer::kNotchRatio));
}

TEST(GliderRenderer, TheWheelKeepsThePointUnderThePointer) {
    for (int mode : {ViewLeft, ViewFront, ViewTop, ViewFree}) {
        GliderRenderer r;
        r.viewMode = mode;
        r.setClientSize(400, 300);
        r.zoom = 2.0f;
        r.panX = 0.1f;
        // The view-plane point under (300, 60) before the notch.
        const double halfHeight = 2.0 * std::tan(22.5 * M_PI / 180.0);
        const double x = (300.0 / 200 - 1) * halfHeight * 4 / 3 - 0.1;
        const double y = (1 - 60.0 / 150) * halfHeight;
        ASSERT_TRUE(r.zoomAt(300, 60, 1.5));
        const auto [sx, sy] = onScreen(r, x, y, 400, 300);
        EXPECT_NEAR(sx, 300, 1e-3);
        EXPECT_NEAR(sy, 60, 1e-3);
    }
}

TEST(GliderRenderer, AMiddleDragMovesThePictureWithThePointerInEveryMode) {
    for (int mode : {ViewLeft, ViewFront, ViewTop, ViewFree}) {
        GliderRenderer r;
        r.viewMode = mode;
        r.setClientSize(400, 300);
        r.zoom = 3.0f;
        EXPECT_FALSE(r.panTo(50, 50)); // no button held
        r.pressMiddle(100, 100);
        ASSERT_TRUE(r.panTo(140, 70));
        r.releaseMiddle();
        EXPECT_FALSE(r.panTo(0, 0));
        const auto [sx, sy] = onScreen(r, 0, 0, 400, 300);
        EXPECT_NEAR(sx, 200 + 40, 1e-3);
        EXPECT_NEAR(sy, 150 - 30, 1e-3);
        // Panning never turns the view.
        EXPECT_EQ(r.rotX, 0);
        EXPECT_EQ(r.rotZ, 0);
    }
}

TEST(GliderRenderer, CameraTurnsPointsAsThePresetsShowThem) {
    GliderRenderer r;
    const Vec3f nose{1, 0, 0};
    const Vec3f up{0, 0, 1};
    const auto expectNear = [](const Vec3f& a, const Vec3f& b) {
        for (int i = 0; i < 3; ++i)
            EXPECT_NEAR(a[i], b[i], 1e-6);
    };
    r.viewMode = ViewTop;
    expectNear(r.turned(nose), {1, 0, 0});
    r.viewMode = ViewLeft; // nose right, up is up
    expectNear(r.turned(nose), {1, 0, 0});
    expectNear(r.turned(up), {0, 1, 0});
    r.viewMode = ViewFront; // nose towards the viewer, side +1 on the right
    expectNear(r.turned(nose), {0, 0, 1});
    expectNear(r.turned({0, 1, 0}), {1, 0, 0});
    r.viewMode = ViewFree;
    r.rotZ = 90;
    expectNear(r.turned(nose), {0, 1, 0});
}
