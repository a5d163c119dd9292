#include "texture.h"

#include "glidergl.h"
#include "model/body.h"
#include "model/glider.h"
#include "model/surface.h"

#include <GL/gl.h>

#include <system_error>

namespace {

// The file's last write, or the epoch when it cannot be read.
std::filesystem::file_time_type stampOf(const std::string& path) {
    std::error_code error;
    const auto stamp = std::filesystem::last_write_time(path, error);
    return error ? std::filesystem::file_time_type{} : stamp;
}

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

void load(const std::string& path, PartGl& gl) {
    gl.loadedPath = path;
    gl.loadedStamp = stampOf(path);
    const int name = uploadTexture(path);
    gl.hasTexture = name >= 0 ? 1 : 0;
    if (gl.hasTexture)
        gl.textureId = name;
}

} // namespace

void loadTexture(const Surface& surface, PartGl& gl) {
    releaseTexture(gl);
    load(surface.texturePath, gl);
}

bool loadTexture(const Body& body, PartGl& gl) {
    if (body.sections.empty())
        return false;
    // Releasing the previous object keeps repeated preparations from leaking texture memory.
    releaseTexture(gl);
    load(body.texturePath, gl);
    return true;
}

void releaseTexture(PartGl& gl) {
    if (gl.hasTexture && gl.textureId >= 0) {
        const GLuint name = static_cast<GLuint>(gl.textureId);
        glDeleteTextures(1, &name);
    }
    gl.hasTexture = 0;
    gl.loadedPath.clear();
    gl.loadedStamp = {};
}

bool isTextureCurrent(const std::string& path, const PartGl& gl) {
    return path == gl.loadedPath && stampOf(path) == gl.loadedStamp;
}

bool reloadChangedTextures(const Glider& glider, GliderGl& gl) {
    bool reloaded = false;
    for (int slot = 0; slot < Glider::kSlots; ++slot) {
        const Surface& surface = glider.surfaces[slot];
        if (isTextureCurrent(surface.texturePath, gl.surfaces[slot]))
            continue;
        loadTexture(surface, gl.surfaces[slot]);
        reloaded = true;
    }
    if (!isTextureCurrent(glider.body.texturePath, gl.body))
        reloaded = loadTexture(glider.body, gl.body) || reloaded;
    return reloaded;
}
