#pragma once

#include "offscreenframe.h"

#include <QSize>
#include <memory>

/**
 * A drawing target of its own from EGL, for processes whose Qt platform has no OpenGL (kesh-tool
 * on a server, with no display): a desktop OpenGL context made current without a surface on
 * Mesa's surfaceless platform, which needs neither a display nor a GPU (llvmpipe draws), or
 * else on the default EGL display; the picture goes into a framebuffer object. Null when
 * neither gives a context.
 */
std::unique_ptr<OffscreenFrame::Target> createEglTarget(QSize size);
