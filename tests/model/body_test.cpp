#include "model/body.h"

#include <gtest/gtest.h>

TEST(BodySections, InsertBeforeIndexAppendAndRemoveKeepOrder) {
    Body body;
    EXPECT_FALSE(updateBody(body));
    body.insertSection(-1);
    body.sections[0].x = 1;
    body.insertSection(-1);
    body.sections[1].x = 2;
    body.insertSection(1);
    ASSERT_EQ(body.sections.size(), 3u);
    EXPECT_EQ(body.sections[0].x, 1);
    EXPECT_EQ(body.sections[1].x, 0);
    EXPECT_EQ(body.sections[2].x, 2);
    body.removeSection(0);
    ASSERT_EQ(body.sections.size(), 2u);
    EXPECT_EQ(body.sections[1].x, 2);
    EXPECT_TRUE(updateBody(body));
}

TEST(BodySections, ClearResetsEverythingButTheTextureFlagOfUse) {
    Body body;
    body.insertSection(-1);
    body.weight = 3;
    body.color = {1, 0, 0};
    body.texturePath = "t.raw";
    body.clear();
    EXPECT_TRUE(body.sections.empty());
    EXPECT_EQ(body.weight, 0);
    EXPECT_EQ(body.color, (Color{0, 0, 0}));
    EXPECT_TRUE(body.texturePath.empty());
    EXPECT_EQ(body.useTexture, 1);
}
