#pragma once

#include "avirecorder.h"
#include "displaysettings.h"

#include <QOpenGLWidget>
#include <QPointF>
#include <QString>
#include <memory>

class Glider;
class GliderRenderer;
struct GliderGl;

// A document window's 3D view of one glider. The drawing lives in GliderRenderer; this
// widget owns one, gives it a context and forwards paint, resize, mouse and update hints.
class CMyglView : public QOpenGLWidget {
    Q_OBJECT
public:
    // Command ids the view handles itself.
    static constexpr int kToggleFillCommand = 32776;
    static constexpr int kToggleTextureCommand = 32777;

    // The glider, its OpenGL objects and the settings belong to the document and outlive
    // the view.
    CMyglView(Glider* glider, GliderGl* gl, DisplaySettings* settings, QWidget* parent = nullptr);
    ~CMyglView() override;

    int viewMode() const;
    void setViewMode(int mode); // 0 left, 1 front, 2 top, 3 free
    float zoom() const;
    void setZoom(float zoom);
    int rotX() const;
    int rotZ() const;

    // The document's update: hint bits HintFill, HintTexture, HintRebuild; 0 redraws.
    void onUpdate(int hint);
    void toggleFill();    // command 32776
    void toggleTexture(); // command 32777
    // "Cadrer": the whole shown glider fills the window, without pan.
    void frameGlider();
    // Writes what the view shows to a 24-bit BMP; false when nothing was written.
    bool screenCopy(const QString& path = QStringLiteral("try.bmp"));

    GliderRenderer& renderer();

signals:
    // The view took the keyboard focus: the shell reloads its pages and tools bar.
    void focusGained(CMyglView* view);
    // The wheel or "Cadrer" changed the camera distance.
    void zoomChanged(CMyglView* view);
    // No rendering context could be had; the text is the message to show.
    void contextFailed(const QString& message);

protected:
    void initializeGL() override;
    void paintGL() override;
    void resizeGL(int width, int height) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // Makes the view's context current; false while it has none.
    bool makeViewCurrent();
    // A widget position in the pixels the renderer's client size counts.
    QPointF inPixels(const QPointF& at) const;
    void applyFill();
    void applyTexture();
    void reportContextFailure(const QString& message);

    Glider* glider_;
    GliderGl* gl_;
    DisplaySettings* settings_;
    std::unique_ptr<GliderRenderer> renderer_;
    bool hasContext_ = false;
    bool failureReported_ = false;
    CAviRecorder recorder_;
};
