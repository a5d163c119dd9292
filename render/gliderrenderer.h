#pragma once

#include "displaysettings.h"
#include "geometry.h"

class Glider;
struct GliderGl;

// Camera presets of a view.
enum ViewMode { ViewLeft = 0, ViewFront = 1, ViewTop = 2, ViewFree = 3 };

// The drawing of one view: camera, first-paint preparation and the per-frame sequence.
// Every GL method expects the view's context to be current and its framebuffer bound.
class GliderRenderer {
public:
    int viewMode = ViewFree;
    int rotX = 0; // degrees
    int rotZ = 0;
    float zoom = 1.0f; // metres from the eye to the rotation centre
    // Shift of the picture in the view plane through the rotation centre, metres.
    float panX = 0.0f;
    float panY = 0.0f;

    // The distances the tools bar's slider spans.
    static constexpr float kMinZoom = 0.1f;
    static constexpr float kMaxZoom = 10.0f;
    // Distance ratio of one wheel notch.
    static constexpr double kNotchRatio = 1.2;

    bool glReady() const { return glReady_; }
    int clientWidth() const { return width_; }
    int clientHeight() const { return height_; }
    bool isTextured() const { return textured_; }

    // The client size before any context exists; read again at the first paint.
    void setClientSize(int width, int height);
    // The view was given a new context (Qt recreates it when the widget changes window):
    // the next paint sets it up again, keeping the fill and texturing last applied.
    void contextRecreated() { glReady_ = false; }

    // Draws one frame; nothing while the glider is missing or not valid. The first frame
    // sets up the context and prepares the glider again into `gl`, its list then holding
    // the parts the visibility mask shows.
    void paint(Glider* glider, GliderGl& gl, int visibility = kShowAll);
    // Viewport only: the projection stays as the first paint set it. True when the view
    // shrank and needs a repaint.
    bool resize(int width, int height);

    void applyFill(int fill);
    void applyTexture(int texture);

    void pressLeft(int x, int y);
    // True when the camera turned and the view needs a repaint.
    bool moveTo(int x, int y);
    void releaseLeft();
    bool dragging() const { return dragging_; }

    // Positions below are in the pixels of the client size.
    // Wheel: each notch (positive towards the glider) divides the distance by kNotchRatio,
    // within the slider's range or towards it, keeping the point under (x, y) in place at
    // the depth of the rotation centre. True when the distance changed.
    bool zoomAt(double x, double y, double notches);
    // Middle-button drag: the picture follows the pointer, in every view mode.
    void pressMiddle(double x, double y);
    bool panTo(double x, double y); // true when the picture moved
    void releaseMiddle();
    // Sets the distance so that the parts the visibility mask lets through fill the
    // window, whatever the slider's range, and clears the pan.
    void frame(const Glider& glider, int visibility);

    // A model point turned as this view's camera turns it, in eye axes.
    Vec3f turned(const Vec3f& point) const;

private:
    void firstPaint(Glider& glider, GliderGl& gl, int visibility);
    void applyCamera() const;
    void drawAxes() const;
    // 20 m from the eye, or as far beyond the rotation centre as at the slider's farthest.
    double farPlane() const;
    void applyProjection();
    // Width / height of the projection, which the first paint fixes.
    double aspect() const;
    // Metres per pixel in the view plane through the rotation centre.
    double metresPerPixelX() const;
    double metresPerPixelY() const;

    bool glReady_ = false;
    bool textured_ = true;
    bool filled_ = true;
    bool dragging_ = false;
    bool panning_ = false;
    double panLastX_ = 0;
    double panLastY_ = 0;
    double aspect_ = 1.0;
    double far_ = 0.0;
    int lastX_ = 0;
    int lastY_ = 0;
    int width_ = 0;
    int height_ = 0;
};
