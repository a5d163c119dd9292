#pragma once

// Gliders and a drawing frame for the rendering tests.

#include "model/glider.h"
#include "render/glidergl.h"
#include "render/gliderrenderer.h"
#include "render/offscreenframe.h"

#include <QImage>

#include <string>
#include <vector>

// A two-point (flat plate) or a five-point (diamond) section.
std::vector<FoilPoint> flatPlate();
std::vector<FoilPoint> diamond();

// Wing halves in slots 0 and 1 from the centre line: span `span` each, chord `chord`,
// no sweep or dihedral, both of `color`, on the given section.
Glider wingGlider(const Color& color, const std::vector<FoilPoint>& points, float span = 0.3f,
                  float chord = 0.1f);

// Gives every named foil the points it already holds, as a reload would.
FoilLoader keepPoints();

// A 256 x 256 texture file made by `texel(column, row)`; returns its path.
template <typename Texel> std::string writeTexture(const std::string& name, Texel texel);
std::string scratchPath(const std::string& name);

struct Rgb {
    int r, g, b;
};
Rgb pixel(const QImage& image, QPoint at);
bool near(Rgb a, Rgb b, int tolerance = 8);
// Whether a pixel of this colour lies within `radius` of `at`.
bool colourAround(const QImage& image, QPoint at, Rgb colour, int radius = 2);

// Where a model point lands in a top view at `zoom`, for a width x height frame.
QPoint projectTop(double x, double y, double z, QSize size, double zoom = 1.0);

// Draws with its own renderer into an offscreen frame.
class Scene {
public:
    explicit Scene(QSize size = QSize(640, 480));
    // Paints one frame (preparing the glider on the first) and returns it.
    QImage draw(Glider& glider) { return draw(glider, gl); }
    // The same with another share-group record, as a second view of one document does.
    QImage draw(Glider& glider, GliderGl& objects);
    void makeCurrent() { frame_.makeCurrent(); }
    GliderRenderer renderer;
    GliderGl gl;
    bool ok = false;

private:
    OffscreenFrame frame_;
    QSize size_;
};

inline const Rgb kRed{255, 0, 0};
inline const Rgb kGreen{0, 255, 0};
inline const Rgb kBlue{0, 0, 255};
inline const Rgb kWhite{255, 255, 255};
inline const Rgb kBlack{0, 0, 0};

#include <fstream>

template <typename Texel> std::string writeTexture(const std::string& name, Texel texel) {
    std::vector<unsigned char> bytes;
    bytes.reserve(256 * 256 * 3);
    for (int row = 0; row < 256; ++row)
        for (int column = 0; column < 256; ++column) {
            const Rgb c = texel(column, row);
            bytes.push_back(static_cast<unsigned char>(c.r));
            bytes.push_back(static_cast<unsigned char>(c.g));
            bytes.push_back(static_cast<unsigned char>(c.b));
        }
    const std::string path = scratchPath(name);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    return path;
}
