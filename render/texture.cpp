#include "texture.h"

#include "model/body.h"
#include "model/surface.h"

#include <GL/gl.h>

namespace {

// Returns the new texture name, or -1 when the file gives no image.
int uploadTexture(const std::string& path) {
    const std::optional<std::vector<unsigned char>> image = readTextureFile(path);
    if (!image)
        return -1;
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, kTextureSize, kTextureSize, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->data());
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameterf(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    return static_cast<int>(name);
}

void deleteTexture(int& textureId, int& hasTexture) {
    if (hasTexture && textureId >= 0) {
        const GLuint name = static_cast<GLuint>(textureId);
        glDeleteTextures(1, &name);
    }
    hasTexture = 0;
}

void load(const std::string& path, int& textureId, int& hasTexture) {
    const int name = uploadTexture(path);
    hasTexture = name >= 0 ? 1 : 0;
    if (hasTexture)
        textureId = name;
}

} // namespace

void loadTexture(Surface& surface) {
    deleteTexture(surface.textureId, surface.hasTexture);
    load(surface.texturePath, surface.textureId, surface.hasTexture);
}

bool loadTexture(Body& body) {
    if (body.sections.empty())
        return false;
    // Releasing the previous object keeps repeated preparations from leaking texture memory.
    deleteTexture(body.textureId, body.hasTexture);
    load(body.texturePath, body.textureId, body.hasTexture);
    return true;
}

void releaseTexture(Surface& surface) {
    deleteTexture(surface.textureId, surface.hasTexture);
}

void releaseTexture(Body& body) {
    deleteTexture(body.textureId, body.hasTexture);
}
