#pragma once

#include <QImage>
#include <QSize>
#include <memory>

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

// A window-less place to draw: a context sharing with the application's global one, an
// offscreen surface and a framebuffer with a depth buffer. Needs a QGuiApplication.
class OffscreenFrame {
public:
    OffscreenFrame();
    ~OffscreenFrame();
    OffscreenFrame(const OffscreenFrame&) = delete;
    OffscreenFrame& operator=(const OffscreenFrame&) = delete;

    // False when no context or framebuffer could be had.
    bool create(QSize size);
    // Makes the context current with the framebuffer bound.
    bool makeCurrent();
    void doneCurrent();
    // The picture drawn so far, top row first; leaves the context current.
    QImage image();
    QSize size() const { return size_; }

private:
    QSize size_;
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};
