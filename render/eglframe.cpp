#include "eglframe.h"

#define EGL_NO_X11
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <string_view>

namespace {

bool listed(const char* list, std::string_view name) {
    if (list == nullptr)
        return false;
    std::string_view rest(list);
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(' '), rest.size());
        if (rest.substr(0, end) == name)
            return true;
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    return false;
}

EGLDisplay initialised(EGLDisplay display) {
    return display != EGL_NO_DISPLAY && eglInitialize(display, nullptr, nullptr) ? display
                                                                                 : EGL_NO_DISPLAY;
}

// The display is never terminated: EGL keeps one per platform for the whole process, and
// terminating it would end every other frame's context too.
EGLDisplay openDisplay() {
    if (listed(eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS), "EGL_MESA_platform_surfaceless")) {
        const EGLDisplay surfaceless = initialised(
            eglGetPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr));
        if (surfaceless != EGL_NO_DISPLAY)
            return surfaceless;
    }
    return initialised(eglGetDisplay(EGL_DEFAULT_DISPLAY));
}

template <typename Call> bool fetch(Call& call, const char* name) {
    call = reinterpret_cast<Call>(eglGetProcAddress(name));
    return call != nullptr;
}

// The framebuffer-object calls are past OpenGL 1.1: asked of the driver.
struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;

    bool load() {
        return fetch(genFramebuffers, "glGenFramebuffers") &&
               fetch(deleteFramebuffers, "glDeleteFramebuffers") &&
               fetch(bindFramebuffer, "glBindFramebuffer") &&
               fetch(genRenderbuffers, "glGenRenderbuffers") &&
               fetch(deleteRenderbuffers, "glDeleteRenderbuffers") &&
               fetch(bindRenderbuffer, "glBindRenderbuffer") &&
               fetch(renderbufferStorage, "glRenderbufferStorage") &&
               fetch(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
               fetch(checkFramebufferStatus, "glCheckFramebufferStatus");
    }
};

class EglTarget : public OffscreenFrame::Target {
public:
    explicit EglTarget(QSize size) : size_(size) {}
    EglTarget(const EglTarget&) = delete;
    EglTarget& operator=(const EglTarget&) = delete;

    ~EglTarget() override {
        if (display_ == EGL_NO_DISPLAY)
            return;
        if (framebuffer_ != 0 && makeCurrent()) {
            gl_.bindFramebuffer(GL_FRAMEBUFFER, 0);
            gl_.deleteFramebuffers(1, &framebuffer_);
            gl_.deleteRenderbuffers(2, renderbuffers_);
        }
        doneCurrent();
        if (context_ != EGL_NO_CONTEXT)
            eglDestroyContext(display_, context_);
        if (surface_ != EGL_NO_SURFACE)
            eglDestroySurface(display_, surface_);
    }

    bool create() {
        display_ = openDisplay();
        if (display_ == EGL_NO_DISPLAY || !eglBindAPI(EGL_OPENGL_API))
            return false;
        // The context is current on a one-pixel pbuffer; the picture is drawn into the
        // framebuffer object, as large as OpenGL allows rather than as pbuffers do.
        const EGLint wanted[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE,
                                 EGL_OPENGL_BIT, EGL_NONE};
        EGLConfig config = nullptr;
        EGLint found = 0;
        if (!eglChooseConfig(display_, wanted, &config, 1, &found) || found == 0)
            return false;
        const EGLint pixel[] = {EGL_WIDTH, 1, EGL_HEIGHT, 1, EGL_NONE};
        surface_ = eglCreatePbufferSurface(display_, config, pixel);
        context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, nullptr);
        if (surface_ == EGL_NO_SURFACE || context_ == EGL_NO_CONTEXT || !makeCurrentBare() ||
            !gl_.load())
            return false;
        return createFramebuffer();
    }

    bool makeCurrent() override {
        if (!makeCurrentBare())
            return false;
        gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
        return true;
    }

    void doneCurrent() override {
        eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    }

    // Read as Qt reads its framebuffer objects, so both kinds give the same image.
    QImage image() override {
        QImage image(size_, QImage::Format_RGBA8888_Premultiplied);
        glPixelStorei(GL_PACK_ALIGNMENT, 4);
        glReadPixels(0, 0, size_.width(), size_.height(), GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
        return image.mirrored();
    }

private:
    bool makeCurrentBare() {
        return eglBindAPI(EGL_OPENGL_API) &&
               eglMakeCurrent(display_, surface_, surface_, context_) == EGL_TRUE;
    }

    bool createFramebuffer() {
        GLint largest = 0;
        glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &largest);
        if (size_.width() > largest || size_.height() > largest)
            return false;
        gl_.genFramebuffers(1, &framebuffer_);
        gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
        gl_.genRenderbuffers(2, renderbuffers_);
        const GLenum formats[] = {GL_RGBA8, GL_DEPTH_COMPONENT24};
        const GLenum attachments[] = {GL_COLOR_ATTACHMENT0, GL_DEPTH_ATTACHMENT};
        for (int i = 0; i < 2; ++i) {
            gl_.bindRenderbuffer(GL_RENDERBUFFER, renderbuffers_[i]);
            gl_.renderbufferStorage(GL_RENDERBUFFER, formats[i], size_.width(), size_.height());
            gl_.framebufferRenderbuffer(GL_FRAMEBUFFER, attachments[i], GL_RENDERBUFFER,
                                        renderbuffers_[i]);
        }
        gl_.bindRenderbuffer(GL_RENDERBUFFER, 0);
        return gl_.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    }

    QSize size_;
    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLSurface surface_ = EGL_NO_SURFACE;
    EGLContext context_ = EGL_NO_CONTEXT;
    FramebufferCalls gl_;
    GLuint framebuffer_ = 0;
    GLuint renderbuffers_[2] = {0, 0};
};

} // namespace

std::unique_ptr<OffscreenFrame::Target> createEglTarget(QSize size) {
    auto target = std::make_unique<EglTarget>(size);
    if (!target->create())
        return nullptr;
    return target;
}
