#include "myglview.h"

#include "drawing.h"
#include "formats/diskpath.h"
#include "formats/foilfile.h"
#include "glidergl.h"
#include "gliderrenderer.h"
#include "listplan.h"
#include "model/glider.h"
#include "viewformat.h"
#include "windowcapture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QWheelEvent>

CMyglView::CMyglView(Glider* glider, GliderGl* gl, DisplaySettings* settings, QWidget* parent)
    : QOpenGLWidget(parent), glider_(glider), gl_(gl), settings_(settings),
      renderer_(std::make_unique<GliderRenderer>()) {
    setFormat(viewSurfaceFormat());
    setFocusPolicy(Qt::StrongFocus);
}

CMyglView::~CMyglView() = default;

int CMyglView::viewMode() const {
    return renderer_->viewMode;
}
void CMyglView::setViewMode(int mode) {
    renderer_->viewMode = mode;
}
float CMyglView::zoom() const {
    return renderer_->zoom;
}
void CMyglView::setZoom(float zoom) {
    renderer_->zoom = zoom;
}
int CMyglView::rotX() const {
    return renderer_->rotX;
}
int CMyglView::rotZ() const {
    return renderer_->rotZ;
}
GliderRenderer& CMyglView::renderer() {
    return *renderer_;
}

void CMyglView::reportContextFailure(const QString& message) {
    hasContext_ = false;
    if (failureReported_)
        return;
    failureReported_ = true;
    emit contextFailed(message);
}

void CMyglView::initializeGL() {
    QOpenGLContext* ctx = context();
    if (ctx == nullptr || !ctx->isValid()) {
        reportContextFailure(tr("Cant create openGL MS rendering context"));
        return;
    }
    // The drawing is OpenGL 1.1 with display lists, which OpenGL ES cannot run.
    if (ctx->isOpenGLES()) {
        reportContextFailure(tr("Unsupported Pixel Format"));
        return;
    }
    if (renderer_->glReady())
        renderer_->contextRecreated();
    hasContext_ = true;
}

void CMyglView::paintEvent(QPaintEvent* event) {
    QOpenGLWidget::paintEvent(event);
    // Qt skips initializeGL when it cannot make a context at all.
    if (!hasContext_ && (context() == nullptr || !context()->isValid()))
        reportContextFailure(tr("Cant create openGL MS rendering context"));
}

void CMyglView::paintGL() {
    if (!hasContext_)
        return;
    renderer_->paint(glider_, *gl_, settings_->visibility);
}

void CMyglView::resizeGL(int width, int height) {
    if (!hasContext_)
        return;
    const qreal ratio = devicePixelRatioF();
    renderer_->resize(qRound(width * ratio), qRound(height * ratio));
}

bool CMyglView::makeViewCurrent() {
    if (!hasContext_)
        return false;
    makeCurrent();
    return true;
}

void CMyglView::applyFill() {
    if (makeViewCurrent())
        renderer_->applyFill(settings_->fill);
    update();
}

void CMyglView::applyTexture() {
    if (makeViewCurrent())
        renderer_->applyTexture(settings_->texture);
    update();
}

void CMyglView::onUpdate(int hint) {
    update();
    if (hint & HintFill)
        applyFill();
    if (hint & HintTexture)
        applyTexture();
    if ((hint & HintRebuild) && glider_ != nullptr) {
        // Until a view has prepared the glider, its first paint compiles the whole list.
        if (makeViewCurrent() && isGliderPrepared(*gl_))
            rebuildDisplayList(*glider_, *gl_, settings_->visibility);
        else
            rederiveGlider(*glider_, FoilLoader(loadFoilOnce));
    }
}

void CMyglView::toggleFill() {
    settings_->fill = settings_->fill == 0 ? 1 : 0;
    applyFill();
}

void CMyglView::toggleTexture() {
    settings_->texture = settings_->texture == 0 ? 1 : 0;
    applyTexture();
}

void CMyglView::frameGlider() {
    if (glider_ == nullptr || !glider_->valid)
        return;
    renderer_->frame(*glider_, settings_->visibility);
    update();
    emit zoomChanged(this);
}

bool CMyglView::screenCopy(const QString& path) {
    if (!makeViewCurrent())
        return false;
    const bool written = writeWindowBmp(toDiskPath(path), *this);
    update();
    return written;
}

QPointF CMyglView::inPixels(const QPointF& at) const {
    return at * devicePixelRatioF();
}

void CMyglView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        renderer_->pressLeft(event->position().toPoint().x(), event->position().toPoint().y());
    if (event->button() == Qt::MiddleButton) {
        const QPointF at = inPixels(event->position());
        renderer_->pressMiddle(at.x(), at.y());
    }
    QOpenGLWidget::mousePressEvent(event);
}

void CMyglView::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QPointF pixels = inPixels(event->position());
    const bool turned = renderer_->moveTo(at.x(), at.y());
    if (renderer_->panTo(pixels.x(), pixels.y()) || turned)
        update();
    QOpenGLWidget::mouseMoveEvent(event);
}

void CMyglView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        renderer_->releaseLeft();
    if (event->button() == Qt::MiddleButton)
        renderer_->releaseMiddle();
    QOpenGLWidget::mouseReleaseEvent(event);
}

void CMyglView::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / double(QWheelEvent::DefaultDeltasPerStep);
    const QPointF at = inPixels(event->position());
    if (notches != 0 && renderer_->zoomAt(at.x(), at.y(), notches)) {
        update();
        emit zoomChanged(this);
    }
    event->accept();
}

void CMyglView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F && event->modifiers() == Qt::NoModifier) {
        frameGlider();
        event->accept();
        return;
    }
    QOpenGLWidget::keyPressEvent(event);
}

void CMyglView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton)
        toggleFill();
    QOpenGLWidget::mouseDoubleClickEvent(event);
}

void CMyglView::focusInEvent(QFocusEvent* event) {
    QOpenGLWidget::focusInEvent(event);
    emit focusGained(this);
}
