#include "scene.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

std::vector<FoilPoint> flatPlate() {
    return {{1, 0}, {0, 0}};
}

std::vector<FoilPoint> diamond() {
    return {{1, 0}, {0.5f, 0.05f}, {0, 0}, {0.5f, -0.05f}, {1, 0}};
}

Glider wingGlider(const Color& color, const std::vector<FoilPoint>& points, float span,
                  float chord) {
    Glider glider;
    glider.valid = 1;
    for (int slot : {WingLeft, WingRight}) {
        Surface& s = glider.surfaces[slot];
        s.foil.points = points;
        s.foil.foilPath = "kept";
        s.insertPane(-1);
        Pane& p = s.pane(0);
        p.env = span;
        p.c1 = chord;
        p.c2 = chord;
        p.color = color;
        s.computePaneValues();
        s.chainRootPoints();
        s.sumPanes();
    }
    return glider;
}

FoilLoader keepPoints() {
    return [](Foil&, const std::string&) {};
}

std::string scratchPath(const std::string& name) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("kesh-render-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}

Rgb pixel(const QImage& image, QPoint at) {
    const QRgb c = image.pixel(at);
    return {qRed(c), qGreen(c), qBlue(c)};
}

bool near(Rgb a, Rgb b, int tolerance) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance &&
           std::abs(a.b - b.b) <= tolerance;
}

bool colourAround(const QImage& image, QPoint at, Rgb colour, int radius) {
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            const QPoint p = at + QPoint(dx, dy);
            if (image.rect().contains(p) && near(pixel(image, p), colour))
                return true;
        }
    return false;
}

QPoint projectTop(double x, double y, double z, QSize size, double zoom) {
    const double f = 1.0 / std::tan(22.5 * M_PI / 180.0);
    const double aspect = double(size.width()) / size.height();
    const double depth = zoom - z;
    const double ndcX = f / aspect * x / depth;
    const double ndcY = f * y / depth;
    return QPoint(int(std::floor((ndcX + 1) / 2 * size.width())),
                  int(std::floor((1 - ndcY) / 2 * size.height())));
}

Scene::Scene(QSize size) : size_(size) {
    ok = frame_.create(size);
}

QImage Scene::draw(Glider& glider, GliderGl& objects) {
    frame_.makeCurrent();
    renderer.resize(size_.width(), size_.height());
    renderer.paint(&glider, objects);
    return frame_.image();
}
