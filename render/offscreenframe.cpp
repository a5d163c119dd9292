#include "offscreenframe.h"

#include "viewformat.h"

#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

OffscreenFrame::OffscreenFrame() = default;

OffscreenFrame::~OffscreenFrame() {
    if (context_ && surface_ && context_->makeCurrent(surface_.get())) {
        fbo_.reset();
        context_->doneCurrent();
    }
}

bool OffscreenFrame::create(QSize size) {
    size_ = size;
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

bool OffscreenFrame::makeCurrent() {
    return context_ && fbo_ && context_->makeCurrent(surface_.get()) && fbo_->bind();
}

void OffscreenFrame::doneCurrent() {
    if (context_)
        context_->doneCurrent();
}

QImage OffscreenFrame::image() {
    if (!makeCurrent())
        return QImage();
    return fbo_->toImage().convertToFormat(QImage::Format_RGB32);
}
