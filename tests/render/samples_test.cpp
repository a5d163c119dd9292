#include "scene.h"

#include "formats/gliderfile.h"

#include <gtest/gtest.h>

namespace {

const std::string kSample = std::string(KESH_SOURCE_DIR) + "/sample";
// A 4:3 frame, and the editor's first window on its default 1024 x 720 main window.
const QSize kFrames[] = {QSize(640, 480), QSize(360, 460)};

// Each sample with the zoom sample/README.md tells a new user to set.
struct SampleView {
    const char* name;
    float zoom;
};
const SampleView kSamples[] = {
    {"Pipit", 3.6f}, {"Harle", 6.5f}, {"Martinet", 2.8f}, {"Mouette", 6.5f}};

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
        for (const QSize frame : kFrames) {
            for (const int mode : {ViewTop, ViewFront, ViewLeft}) {
                SCOPED_TRACE(std::string(sample.name) + " view " + std::to_string(mode) + " " +
                             std::to_string(frame.width()) + "x" + std::to_string(frame.height()));
                Glider glider;
                readGlider(glider, kSample + "/gliders/" + sample.name + "/" + sample.name + ".gli",
                           kSample);
                Scene scene(frame);
                ASSERT_TRUE(scene.ok);
                scene.renderer.viewMode = mode;
                scene.renderer.zoom = sample.zoom;
                const QImage image = scene.draw(glider);
                Glider axes;
                axes.valid = 1;
                GliderGl nothing;
                const QImage axesOnly = scene.draw(axes, nothing);

                int count = 0;
                const QRect bounds = gliderBounds(image, axesOnly, count);
                EXPECT_GT(count, 300);
                // Inside the frame with a margin, and not lost in the middle of it.
                EXPECT_TRUE(QRect(QPoint(4, 4), frame - QSize(8, 8)).contains(bounds))
                    << bounds.x() << "," << bounds.y() << " " << bounds.width() << "x"
                    << bounds.height();
                if (mode == ViewTop) {
                    EXPECT_GT(bounds.height(), frame.height() / 2);
                }
                if (mode == ViewFront) {
                    EXPECT_GT(bounds.width(), frame.width() * 2 / 5);
                }
            }
        }
    }
}
