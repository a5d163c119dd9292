#include "render/gliderrenderer.h"

#include <gtest/gtest.h>

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
