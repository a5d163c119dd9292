#include "gliderrenderer.h"

#include "drawing.h"
#include "framing.h"
#include "model/glider.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kFieldOfView = 45.0; // vertical, degrees
constexpr double kNearPlane = 0.05;
constexpr double kFarPlane = 20.0;
// Share of the window a framed glider spans at most.
constexpr double kFramingFill = 0.9;

} // namespace

void GliderRenderer::setClientSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void GliderRenderer::paint(Glider* glider, GliderGl& gl, int visibility) {
    if (glider == nullptr || !glider->valid)
        return;
    if (!glReady_)
        firstPaint(*glider, gl, visibility);
    if (farPlane() != far_)
        applyProjection();

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(panX, panY, -zoom);
    applyCamera();
    drawAxes();
    callDisplayList(gl);
    glPopMatrix();
    glFinish();
}

void GliderRenderer::firstPaint(Glider& glider, GliderGl& gl, int visibility) {
    glClearColor(1, 1, 1, 1);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    // A zero height has no aspect; a square one keeps the picture finite.
    aspect_ = height_ > 0 ? double(width_) / double(height_) : 1.0;
    applyProjection();
    glLoadIdentity();
    glEnable(GL_CULL_FACE);
    // A fresh renderer starts filled and textured whatever its document says.
    applyFill(filled_ ? 1 : 0);
    applyTexture(textured_ ? 1 : 0);
    // Views of one glider share its list and textures, and a new view prepares them again
    // so that it shows what changed since: a texture chosen in a page, panes added.
    prepareGlider(glider, gl);
    if (visibility != kShowAll)
        rebuildDisplayList(glider, gl, visibility);
    glReady_ = true;
}

void GliderRenderer::applyCamera() const {
    switch (viewMode) {
    case ViewLeft:
        glRotated(-90.0, 1.0, 0.0, 0.0);
        break;
    case ViewFront:
        glRotated(-90.0, 1.0, 0.0, 0.0);
        glRotated(-90.0, 0.0, 0.0, 1.0);
        break;
    case ViewTop:
        break;
    default:
        glRotated(double(rotX), 1.0, 0.0, 0.0);
        glRotated(double(rotZ), 0.0, 0.0, 1.0);
        break;
    }
}

void GliderRenderer::drawAxes() const {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_LINES);
    glColor3d(1, 0, 0);
    glVertex3d(0, 0, 0);
    glVertex3d(4, 0, 0);
    glColor3d(0, 1, 0);
    glVertex3d(0, 0, 0);
    glVertex3d(0, 4, 0);
    glColor3d(0, 0, 1);
    glVertex3d(0, 0, 0);
    glVertex3d(0, 0, 4);
    glEnd();
    if (textured_)
        glEnable(GL_TEXTURE_2D);
}

bool GliderRenderer::resize(int width, int height) {
    glViewport(0, 0, width, height);
    const bool shrank = width < width_ || height < height_;
    width_ = width;
    height_ = height;
    return shrank;
}

void GliderRenderer::applyFill(int fill) {
    filled_ = fill != 0;
    glPolygonMode(GL_FRONT_AND_BACK, fill != 0 ? GL_FILL : GL_LINE);
}

void GliderRenderer::applyTexture(int texture) {
    textured_ = texture == 1;
    if (textured_)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

void GliderRenderer::pressLeft(int x, int y) {
    dragging_ = true;
    lastX_ = x;
    lastY_ = y;
}

bool GliderRenderer::moveTo(int x, int y) {
    if (!dragging_ || viewMode != ViewFree)
        return false;
    rotZ += x - lastX_;
    rotX += y - lastY_;
    lastX_ = x;
    lastY_ = y;
    return true;
}

void GliderRenderer::releaseLeft() {
    dragging_ = false;
}

double GliderRenderer::farPlane() const {
    return std::max(kFarPlane, zoom + (kFarPlane - kMaxZoom));
}

// Only the far plane changes after the first paint; resizes change the viewport alone.
void GliderRenderer::applyProjection() {
    far_ = farPlane();
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, aspect_, kNearPlane, far_);
    glMatrixMode(GL_MODELVIEW);
}

double GliderRenderer::aspect() const {
    if (glReady_)
        return aspect_;
    return height_ > 0 ? double(width_) / double(height_) : 1.0;
}

// The projection is fixed while the viewport follows the window, so the picture stretches.
double GliderRenderer::metresPerPixelY() const {
    const double halfHeight = zoom * std::tan(kFieldOfView * std::numbers::pi / 360.0);
    return height_ > 0 ? 2.0 * halfHeight / height_ : 0.0;
}

double GliderRenderer::metresPerPixelX() const {
    const double halfHeight = zoom * std::tan(kFieldOfView * std::numbers::pi / 360.0);
    return width_ > 0 ? 2.0 * halfHeight * aspect() / width_ : 0.0;
}

bool GliderRenderer::zoomAt(double x, double y, double notches) {
    const float before = zoom;
    // Out of the slider's range ("Cadrer" of a large glider) the wheel only goes back to it.
    const float after = std::clamp(float(before * std::pow(kNotchRatio, -notches)),
                                   std::min(kMinZoom, before), std::max(kMaxZoom, before));
    if (after == before)
        return false;
    // The point under the pointer is offset from the centre by the same share of the
    // window at both distances, so the pan grows with the distance.
    const double shareX = x - width_ / 2.0;
    const double shareY = height_ / 2.0 - y;
    const double perPixelX = metresPerPixelX();
    const double perPixelY = metresPerPixelY();
    zoom = after;
    panX += float(shareX * (metresPerPixelX() - perPixelX));
    panY += float(shareY * (metresPerPixelY() - perPixelY));
    return true;
}

void GliderRenderer::pressMiddle(double x, double y) {
    panning_ = true;
    panLastX_ = x;
    panLastY_ = y;
}

bool GliderRenderer::panTo(double x, double y) {
    if (!panning_ || (x == panLastX_ && y == panLastY_))
        return false;
    panX += float((x - panLastX_) * metresPerPixelX());
    panY -= float((y - panLastY_) * metresPerPixelY());
    panLastX_ = x;
    panLastY_ = y;
    return true;
}

void GliderRenderer::releaseMiddle() {
    panning_ = false;
}

Vec3f GliderRenderer::turned(const Vec3f& point) const {
    switch (viewMode) {
    case ViewLeft:
        return rotatedX(point, -90.0);
    case ViewFront:
        return rotatedX(rotatedZ(point, -90.0), -90.0);
    case ViewTop:
        return point;
    default:
        return rotatedX(rotatedZ(point, double(rotZ)), double(rotX));
    }
}

void GliderRenderer::frame(const Glider& glider, int visibility) {
    panX = 0.0f;
    panY = 0.0f;
    std::vector<Vec3f> points = gliderPoints(glider, visibility);
    for (Vec3f& point : points)
        point = turned(point);
    const std::optional<double> distance =
        framingDistance(points, kFieldOfView, aspect(), kFramingFill, kNearPlane);
    // A large glider is framed farther than the slider reaches.
    if (distance)
        zoom = std::max(float(*distance), kMinZoom);
}
