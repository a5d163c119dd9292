#pragma once

#include <QSurfaceFormat>

// Double-buffered with a 24-bit depth buffer, in a profile where OpenGL 1.1 calls work.
inline QSurfaceFormat viewSurfaceFormat() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
    format.setDepthBufferSize(24);
    return format;
}
