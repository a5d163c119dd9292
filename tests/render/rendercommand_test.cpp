#include "scene.h"

#include "tools/kesh-tool/rendercommand.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

const std::string kSample = std::string(KESH_SOURCE_DIR) + "/sample";

std::string sampleGlider(const std::string& name) {
    return kSample + "/gliders/" + name + "/" + name + ".gli";
}

int countNotWhite(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += near(pixel(image, QPoint(x, y)), kWhite) ? 0 : 1;
    return count;
}

} // namespace

TEST(RenderCommand, UsageErrorsExitWithTwo) {
    const std::string out = scratchPath("usage.png");
    const std::string gli = sampleGlider("Harle");
    EXPECT_EQ(runRenderCommand({}), 2);
    EXPECT_EQ(runRenderCommand({gli}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o", scratchPath("out.gif")}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o", out, "--view", "side"}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o", out, "--size", "0x10"}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o", out, "--size", "640"}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o", out, "--zoom", "nan"}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o", out, "--rot", "1"}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o", out, "--hide", "wings"}), 2);
    EXPECT_EQ(runRenderCommand({gli, "-o"}), 2);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(RenderCommand, RefusedGliderOrOutputExitsWithOne) {
    const std::string out = scratchPath("refused.png");
    EXPECT_EQ(runRenderCommand({kSample + "/gliders/none.gli", "-o", out, "--sim", kSample}), 1);
    EXPECT_EQ(runRenderCommand(
                  {sampleGlider("Harle"), "-o", scratchPath("no/dir/x.png"), "--sim", kSample}),
              1);
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(RenderCommand, DrawsEachSampleGliderInEveryPreset) {
    for (const char* name : {"Pipit", "Harle", "Martinet", "Mouette"}) {
        for (const char* view : {"free", "top", "left", "front"}) {
            const std::string out = scratchPath(std::string(name) + "-" + view + ".png");
            ASSERT_EQ(runRenderCommand({sampleGlider(name), "-o", out, "--sim", kSample, "--view",
                                        view, "--size", "160x120", "--zoom", "5"}),
                      0)
                << name << " " << view;
            const QImage image(QString::fromStdString(out));
            ASSERT_EQ(image.size(), QSize(160, 120));
            EXPECT_GT(countNotWhite(image), 100) << name << " " << view;
        }
    }
}

TEST(RenderCommand, HidingPartsAndBmpOutput) {
    const std::string all = scratchPath("all.bmp");
    const std::string none = scratchPath("none.bmp");
    const std::string gli = sampleGlider("Pipit");
    ASSERT_EQ(runRenderCommand({gli, "-o", all, "--sim", kSample, "--view", "top", "--size",
                                "200x150", "--zoom", "3"}),
              0);
    ASSERT_EQ(runRenderCommand({gli, "-o", none, "--sim", kSample, "--view", "top", "--size",
                                "200x150", "--zoom", "3", "--hide", "wing,body,stab,fin"}),
              0);
    const QImage withParts(QString::fromStdString(all));
    const QImage axesOnly(QString::fromStdString(none));
    ASSERT_EQ(withParts.size(), QSize(200, 150));
    EXPECT_GT(countNotWhite(withParts), 10 * countNotWhite(axesOnly));
    EXPECT_GT(countNotWhite(axesOnly), 0);
}
