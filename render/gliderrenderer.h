#pragma once

#include "displaysettings.h"

class Glider;

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
    // sets up the context and prepares the glider again, its list then holding the parts
    // the visibility mask shows.
    void paint(Glider* glider, int visibility = kShowAll);
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

private:
    void firstPaint(Glider& glider, int visibility);
    void applyCamera() const;
    void drawAxes() const;

    bool glReady_ = false;
    bool textured_ = true;
    bool filled_ = true;
    bool dragging_ = false;
    int lastX_ = 0;
    int lastY_ = 0;
    int width_ = 0;
    int height_ = 0;
};
