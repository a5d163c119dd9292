#include "drawing.h"

#include "formats/foilfile.h"
#include "geometry.h"
#include "glidergl.h"
#include "listplan.h"
#include "model/glider.h"
#include "texture.h"

#include <GL/gl.h>

namespace {

void emitVertex(const Vertex& v) {
    if (v.hasTexCoord)
        glTexCoord2f(v.texCoord[0], v.texCoord[1]);
    glVertex3f(v.position[0], v.position[1], v.position[2]);
}

void bindTexture(int textureId) {
    glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(textureId));
}

// An untextured part must show its plain colour even while the view has texturing on and
// another part's texture is still bound.
template <typename Draw> void drawWithTexture(bool textured, int textureId, Draw draw) {
    if (textured) {
        bindTexture(textureId);
        draw();
        return;
    }
    glPushAttrib(GL_ENABLE_BIT);
    glDisable(GL_TEXTURE_2D);
    draw();
    glPopAttrib();
}

void drawPart(const Glider& glider, const GliderGl& gl, int part) {
    if (part == ListPlan::kBodyPart)
        drawBody(glider.body, gl.body);
    else
        drawSurface(glider.surfaces[part], gl.surfaces[part]);
}

void compileList(const Glider& glider, GliderGl& gl, const ListPlan& plan) {
    gl.displayList = static_cast<int>(glGenLists(1));
    glNewList(static_cast<GLuint>(gl.displayList), GL_COMPILE);
    glTranslatef(plan.translation[0], plan.translation[1], plan.translation[2]);
    for (int part : plan.parts)
        drawPart(glider, gl, part);
    glEndList();
}

void deleteList(int& list) {
    if (list != -1)
        glDeleteLists(static_cast<GLuint>(list), 1);
    list = -1;
}

// Before any compile but the edit's own: what the kept states say no longer holds.
void dropSpare(GliderGl& gl) {
    deleteList(gl.spareList);
    gl.spareState.reset();
    gl.listState.reset();
}

} // namespace

void drawPane(const Pane& pane, int textured, float spanSum) {
    const PaneStrip strip = paneStrip(pane, textured != 0, spanSum);
    if (strip.vertices.empty())
        return;
    glPushMatrix();
    glTranslatef(float(strip.translation[0]), float(strip.translation[1]),
                 float(strip.translation[2]));
    glRotatef(float(strip.rotationDegrees), 1.0f, 0.0f, 0.0f);
    glColor3fv(pane.color.data());
    glBegin(GL_TRIANGLE_STRIP);
    for (std::size_t i = 0; i + 1 < strip.vertices.size(); i += 2) {
        const Vec3f& n = strip.vertices[i].normal;
        glNormal3f(n[0], n[1], n[2]);
        emitVertex(strip.vertices[i]);
        emitVertex(strip.vertices[i + 1]);
    }
    glEnd();
    glPopMatrix();
}

void drawSurface(const Surface& surface, const PartGl& gl) {
    drawWithTexture(gl.hasTexture != 0, gl.textureId, [&] {
        for (const Pane& pane : surface.panes())
            drawPane(pane, gl.hasTexture, surface.spanSum);
    });
}

void drawBody(const Body& body, const PartGl& gl) {
    glColor3fv(body.color.data());
    const bool textured = body.useTexture && gl.hasTexture;
    drawWithTexture(textured, gl.textureId, [&] {
        for (const std::vector<Vertex>& strip : bodyStrips(body, textured)) {
            glBegin(GL_TRIANGLE_STRIP);
            for (const Vertex& v : strip) {
                glNormal3f(v.normal[0], v.normal[1], v.normal[2]);
                emitVertex(v);
            }
            glEnd();
        }
    });
}

void prepareGlider(Glider& glider, GliderGl& gl) {
    for (int slot = 0; slot < Glider::kSlots; ++slot) {
        Surface& surface = glider.surfaces[slot];
        loadTexture(surface, gl.surfaces[slot]);
        surface.computePaneValues();
        surface.sumPanes();
    }
    loadTexture(glider.body, gl.body);
    buildDisplayList(glider, gl);
}

void buildDisplayList(const Glider& glider, GliderGl& gl) {
    dropSpare(gl);
    deleteList(gl.displayList);
    compileList(glider, gl, fullListPlan(glider));
}

void rebuildDisplayList(Glider& glider, GliderGl& gl, int visibility, const FoilLoader& loadFoil) {
    dropSpare(gl);
    deleteList(gl.displayList);
    reloadChangedTextures(glider, gl);
    const RederiveResult result = rederiveGlider(glider, loadFoil);
    compileList(glider, gl, maskedListPlan(glider, visibility, result));
}

void rebuildKeepingSpare(Glider& glider, GliderGl& gl, int visibility,
                         std::shared_ptr<const void> replacedState) {
    dropSpare(gl);
    int replaced = gl.displayList;
    gl.displayList = -1;
    // The replaced list binds the texture objects it was compiled with.
    if (reloadChangedTextures(glider, gl)) {
        deleteList(replaced);
        rebuildDisplayList(glider, gl, visibility);
        return;
    }
    rebuildDisplayList(glider, gl, visibility);
    gl.spareList = replaced;
    gl.spareState = std::move(replacedState);
}

bool swapToSpare(GliderGl& gl, const void* state) {
    if (gl.spareList == -1 || state == nullptr || gl.spareState.get() != state)
        return false;
    std::swap(gl.displayList, gl.spareList);
    std::swap(gl.listState, gl.spareState);
    return true;
}

void rebuildDisplayList(Glider& glider, GliderGl& gl, int visibility) {
    rebuildDisplayList(glider, gl, visibility, FoilLoader(loadFoilOnce));
}

void callDisplayList(const GliderGl& gl) {
    if (gl.displayList != -1)
        glCallList(static_cast<GLuint>(gl.displayList));
}

bool isGliderPrepared(const GliderGl& gl) {
    return gl.displayList != -1 && glIsList(static_cast<GLuint>(gl.displayList));
}

void releaseGliderGl(GliderGl& gl) {
    dropSpare(gl);
    deleteList(gl.displayList);
    for (PartGl& part : gl.surfaces)
        releaseTexture(part);
    releaseTexture(gl.body);
}
