#include "gliderrenderer.h"

#include "drawing.h"
#include "model/glider.h"

#include <GL/gl.h>
#include <GL/glu.h>

void GliderRenderer::setClientSize(int width, int height) {
    width_ = width;
    height_ = height;
}

void GliderRenderer::paint(Glider* glider, int visibility) {
    if (glider == nullptr || !glider->valid)
        return;
    if (!glReady_)
        firstPaint(*glider, visibility);

    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glTranslatef(0.0f, 0.0f, -zoom);
    applyCamera();
    drawAxes();
    callDisplayList(*glider);
    glPopMatrix();
    glFinish();
}

void GliderRenderer::firstPaint(Glider& glider, int visibility) {
    glClearColor(1, 1, 1, 1);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    // A zero height has no aspect; a square one keeps the picture finite.
    const double aspect = height_ > 0 ? double(width_) / double(height_) : 1.0;
    gluPerspective(45.0, aspect, 0.05, 20.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_CULL_FACE);
    // A fresh renderer starts filled and textured whatever its document says.
    applyFill(filled_ ? 1 : 0);
    applyTexture(textured_ ? 1 : 0);
    // Views of one glider share its list and textures, and a new view prepares them again
    // so that it shows what changed since: a texture chosen in a page, panes added.
    prepareGlider(glider);
    if (visibility != kShowAll)
        rebuildDisplayList(glider, visibility);
    glReady_ = true;
}

void GliderRenderer::applyCamera() const {
    switch (viewMode) {
    case ViewLeft:
        glRotated(-90.0, 1.0, 0.0, 0.0);
        break;
    case ViewFront:
        glRotated(-90.0, 1.0, 0.0, 0.0);
        glRotated(-90.0, 0.0, 0.0, 1.0);
        break;
    case ViewTop:
        break;
    default:
        glRotated(double(rotX), 1.0, 0.0, 0.0);
        glRotated(double(rotZ), 0.0, 0.0, 1.0);
        break;
    }
}

void GliderRenderer::drawAxes() const {
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_LINES);
    glColor3d(1, 0, 0);
    glVertex3d(0, 0, 0);
    glVertex3d(4, 0, 0);
    glColor3d(0, 1, 0);
    glVertex3d(0, 0, 0);
    glVertex3d(0, 4, 0);
    glColor3d(0, 0, 1);
    glVertex3d(0, 0, 0);
    glVertex3d(0, 0, 4);
    glEnd();
    if (textured_)
        glEnable(GL_TEXTURE_2D);
}

bool GliderRenderer::resize(int width, int height) {
    glViewport(0, 0, width, height);
    const bool shrank = width < width_ || height < height_;
    width_ = width;
    height_ = height;
    return shrank;
}

void GliderRenderer::applyFill(int fill) {
    filled_ = fill != 0;
    glPolygonMode(GL_FRONT_AND_BACK, fill != 0 ? GL_FILL : GL_LINE);
}

void GliderRenderer::applyTexture(int texture) {
    textured_ = texture == 1;
    if (textured_)
        glEnable(GL_TEXTURE_2D);
    else
        glDisable(GL_TEXTURE_2D);
}

void GliderRenderer::pressLeft(int x, int y) {
    dragging_ = true;
    lastX_ = x;
    lastY_ = y;
}

bool GliderRenderer::moveTo(int x, int y) {
    if (!dragging_ || viewMode != ViewFree)
        return false;
    rotZ += x - lastX_;
    rotX += y - lastY_;
    lastX_ = x;
    lastY_ = y;
    return true;
}

void GliderRenderer::releaseLeft() {
    dragging_ = false;
}
