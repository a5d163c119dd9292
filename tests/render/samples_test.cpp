#include "scene.h"

#include "formats/gliderfile.h"

#include <gtest/gtest.h>

namespace {

const std::string kSample = std::string(KESH_SOURCE_DIR) + "/sample";
const QSize kFrame(640, 480);

// Each sample with the zoom sample/README.md tells a new user to set.
struct SampleView {
    const char* name;
    float zoom;
};
const SampleView kSamples[] = {
    {"Pipit", 3.0f}, {"Harle", 5.0f}, {"Martinet", 2.2f}, {"Mouette", 5.0f}};

// The glider's pixels: where the frame differs from the axes drawn alone.
QRect gliderBounds(const QImage& withGlider, const QImage& axesOnly, int& count) {
    QRect bounds;
    count = 0;
    for (int y = 0; y < withGlider.height(); ++y)
        for (int x = 0; x < withGlider.width(); ++x)
            if (withGlider.pixel(x, y) != axesOnly.pixel(x, y)) {
                bounds |= QRect(x, y, 1, 1);
                ++count;
            }
    return bounds;
}

} // namespace

TEST(SampleGliders, EachFitsTheFrameAtItsZoomInTheTopFrontAndLeftPresets) {
    for (const SampleView& sample : kSamples) {
        for (const int mode : {ViewTop, ViewFront, ViewLeft}) {
            SCOPED_TRACE(std::string(sample.name) + " view " + std::to_string(mode));
            Glider glider;
            readGlider(glider, kSample + "/gliders/" + sample.name + "/" + sample.name + ".gli",
                       kSample);
            Scene scene(kFrame);
            ASSERT_TRUE(scene.ok);
            scene.renderer.viewMode = mode;
            scene.renderer.zoom = sample.zoom;
            const QImage image = scene.draw(glider);
            Glider axes;
            axes.valid = 1;
            const QImage axesOnly = scene.draw(axes);

            int count = 0;
            const QRect bounds = gliderBounds(image, axesOnly, count);
            EXPECT_GT(count, 500);
            // Inside the frame with a margin, and not lost in the middle of it.
            EXPECT_TRUE(QRect(QPoint(4, 4), kFrame - QSize(8, 8)).contains(bounds))
                << bounds.x() << "," << bounds.y() << " " << bounds.width() << "x"
                << bounds.height();
            if (mode == ViewTop)
                EXPECT_GT(bounds.height(), kFrame.height() * 6 / 10);
            if (mode == ViewFront)
                EXPECT_GT(bounds.width(), kFrame.width() * 4 / 10);
        }
    }
}
