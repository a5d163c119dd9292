#include "offscreenframe.h"

#include "eglframe.h"
#include "viewformat.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

namespace {

class QtTarget : public OffscreenFrame::Target {
public:
    ~QtTarget() override {
        if (context_ && surface_ && context_->makeCurrent(surface_.get())) {
            fbo_.reset();
            context_->doneCurrent();
        }
    }

    bool create(QSize size) {
        const QSurfaceFormat format = viewSurfaceFormat();
        surface_ = std::make_unique<QOffscreenSurface>();
        surface_->setFormat(format);
        surface_->create();
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(format);
        context_->setShareContext(QOpenGLContext::globalShareContext());
        if (!surface_->isValid() || !context_->create() || !context_->makeCurrent(surface_.get()))
            return false;
        fbo_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::Depth);
        return fbo_->isValid() && fbo_->bind();
    }

    bool makeCurrent() override {
        return context_ && fbo_ && context_->makeCurrent(surface_.get()) && fbo_->bind();
    }

    void doneCurrent() override {
        if (context_)
            context_->doneCurrent();
    }

    QImage image() override { return fbo_->toImage(); }

private:
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> fbo_;
};

} // namespace

OffscreenFrame::OffscreenFrame() = default;

OffscreenFrame::~OffscreenFrame() = default;

bool OffscreenFrame::create(QSize size) {
    size_ = size;
    auto qt = std::make_unique<QtTarget>();
    if (qt->create(size))
        target_ = std::move(qt);
    else
        target_ = createEglTarget(size);
    return target_ != nullptr;
}

bool OffscreenFrame::makeCurrent() {
    return target_ && target_->makeCurrent();
}

void OffscreenFrame::doneCurrent() {
    if (target_)
        target_->doneCurrent();
}

QImage OffscreenFrame::image() {
    if (!makeCurrent())
        return QImage();
    return target_->image().convertToFormat(QImage::Format_RGB32);
}
