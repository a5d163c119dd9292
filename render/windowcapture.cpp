#include "windowcapture.h"

#include "dib.h"

#include <QOpenGLWidget>

bool writeWindowBmp(const std::string& path, QOpenGLWidget& window) {
    QImage frame = window.grabFramebuffer();
    if (frame.isNull())
        return false;
    if (frame.size() != window.size())
        frame = frame.scaled(window.size());
    const std::optional<Dib> dib = bitmapToDib(frame);
    if (!dib)
        return false;
    return writeDib(path, *dib);
}
