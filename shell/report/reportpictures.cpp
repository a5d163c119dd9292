#include "shell/report/reportpictures.h"

#include "model/glider.h"
#include "render/drawing.h"
#include "render/glidergl.h"
#include "render/gliderrenderer.h"
#include "render/offscreenframe.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 400;
// The camera's vertical field of view is 45°; the far plane lies at 20 m.
constexpr double kViewHeightPerMetre = 0.8284; // 2·tan(22.5°)
constexpr double kFarthestZoom = 19;
constexpr double kMargin = 1.4; // perspective enlarges what stands nearer the eye

// How far the glider reaches from its centre of gravity along the file's x, y and z.
struct Reach {
    double x = 0.1;
    double y = 0.1;
    double z = 0.1;
};

Reach reachOf(const Glider& g) {
    Reach r;
    const double cx = -double(g.centrum[0]); // the model holds it negated
    const auto take = [&](double x, double y, double z) {
        r.x = std::max(r.x, std::abs(x - cx));
        r.y = std::max(r.y, std::abs(y - g.centrum[1]));
        r.z = std::max(r.z, std::abs(z - g.centrum[2]));
    };
    for (const Surface& s : g.surfaces)
        for (const Pane& p : s.panes()) {
            const double x = -p.rootPoint[0];
            take(x, p.rootPoint[1], p.rootPoint[2]);
            take(x + std::max(p.c1, p.c2) + std::abs(p.fleche), p.rootPoint[1] + p.env,
                 p.rootPoint[2] + p.env);
        }
    for (const BodySection& s : g.body.sections)
        take(s.x, s.l / 2.0, s.z + s.h);
    return r;
}

// The camera distance that shows `across` metres of width and `up` metres of height.
float zoomFor(double across, double up) {
    const double aspect = double(kWidth) / kHeight;
    const double d = kMargin * std::max(2 * across / (kViewHeightPerMetre * aspect),
                                        2 * up / kViewHeightPerMetre);
    return float(std::clamp(d, 0.2, kFarthestZoom));
}

QImage drawView(Glider& glider, GliderGl& gl, OffscreenFrame& frame, int mode, int rotX, int rotZ,
                float zoom) {
    GliderRenderer renderer;
    renderer.viewMode = mode;
    renderer.rotX = rotX;
    renderer.rotZ = rotZ;
    renderer.zoom = zoom;
    frame.makeCurrent();
    renderer.resize(kWidth, kHeight);
    renderer.paint(&glider, gl);
    return frame.image();
}

} // namespace

// The camera turns the glider a quarter round about z: the file's x runs down the picture
// and its y to the left, at the scale of the perspective at the camera's distance.
QPointF GliderPictures::topViewPixel(double x, double y) const {
    const double perMetre = top.height() / (topZoom * kViewHeightPerMetre);
    return {top.width() / 2.0 + (centreY - y) * perMetre,
            top.height() / 2.0 + (x - centreX) * perMetre};
}

std::optional<GliderPictures> drawGliderPictures(const Glider& original) {
    OffscreenFrame frame;
    if (!frame.create(QSize(kWidth, kHeight)))
        return std::nullopt;
    Glider glider = original;
    GliderGl gl;

    const Reach r = reachOf(glider);
    GliderPictures pictures;
    // From above with the span across the picture: the free view turned a quarter round.
    pictures.topZoom = zoomFor(r.y, r.x);
    pictures.centreX = -double(glider.centrum[0]);
    pictures.centreY = glider.centrum[1];
    pictures.top = drawView(glider, gl, frame, ViewFree, 0, 90, float(pictures.topZoom));
    pictures.front = drawView(glider, gl, frame, ViewFront, 0, 0, zoomFor(r.y, r.z));
    // The near wing points at the eye: stand back twice its reach.
    pictures.side =
        drawView(glider, gl, frame, ViewLeft, 0, 0,
                 std::min(float(kFarthestZoom), std::max(zoomFor(r.x, r.z), float(2 * r.y))));
    frame.makeCurrent();
    releaseGliderGl(gl);
    return pictures;
}
