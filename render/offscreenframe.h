#pragma once

#include <QImage>
#include <QSize>
#include <memory>

/**
 * A window-less place to draw with a depth buffer. Where the Qt platform offers OpenGL (the
 * editor, or any process with a display) the context is Qt's and shares with the application's
 * global one; elsewhere it is an EGL context of its own, so drawing needs no display. Needs a
 * QGuiApplication.
 */
class OffscreenFrame {
public:
    // What holds the context and the framebuffer.
    class Target {
    public:
        virtual ~Target() = default;
        virtual bool makeCurrent() = 0;
        virtual void doneCurrent() = 0;
        // The framebuffer's picture, top row first.
        virtual QImage image() = 0;
    };

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
    std::unique_ptr<Target> target_;
};
