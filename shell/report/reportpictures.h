#pragma once

#include <QImage>
#include <optional>

class Glider;

struct GliderPictures {
    QImage top;
    QImage front;
    QImage side;
};

/**
 * The glider seen from above, from the front and from its left, drawn by the editor's
 * renderer into an offscreen frame from a copy of the glider, so a document's own display
 * list and textures are left alone. Nullopt when no OpenGL context can be had; needs a
 * QGuiApplication with shared contexts.
 */
std::optional<GliderPictures> drawGliderPictures(const Glider& glider);
