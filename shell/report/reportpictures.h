#pragma once

#include <QImage>
#include <QPointF>
#include <optional>

class Glider;

struct GliderPictures {
    QImage top;
    QImage front;
    QImage side;

    // Where a point of the centre of gravity's height, file frame, lies in the top view.
    QPointF topViewPixel(double x, double y) const;

    // The top view's camera: its distance and the point it looks at (the file's centre).
    double topZoom = 1;
    double centreX = 0;
    double centreY = 0;
};

/**
 * The glider seen from above, from the front and from its left, drawn by the editor's
 * renderer into an offscreen frame from a copy of the glider, so a document's own display
 * list and textures are left alone. Nullopt when no OpenGL context can be had; needs a
 * QGuiApplication with shared contexts.
 */
std::optional<GliderPictures> drawGliderPictures(const Glider& glider);
