#include "bench/largestglider.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// A cambered 12 % section of 101 points, trailing edge over the top to the leading edge
// and back underneath.
std::vector<FoilPoint> largestOutline() {
    const auto thickness = [](double x) {
        return 0.6 * (0.2969 * std::sqrt(x) - 0.126 * x - 0.3516 * x * x + 0.2843 * x * x * x -
                      0.1015 * x * x * x * x);
    };
    const auto camber = [](double x) { return 0.03 * std::sin(M_PI * x); };
    std::vector<FoilPoint> points;
    for (int i = 0; i <= 50; ++i) {
        const double x = 0.5 * (1 + std::cos(M_PI * i / 50));
        points.push_back({float(x), float(camber(x) + thickness(x))});
    }
    for (int i = 1; i <= 50; ++i) {
        const double x = 0.5 * (1 - std::cos(M_PI * i / 50));
        points.push_back({float(x), float(camber(x) - thickness(x))});
    }
    return points;
}

std::string writeTexture(const std::filesystem::path& dir, const std::string& name, int seed) {
    std::vector<char> bytes(256 * 256 * 3);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = char((i * 7 + seed * 31) & 0xff);
    const std::string path = (dir / name).string();
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
    return path;
}

} // namespace

Glider largestGlider() {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("kesh-bench-render-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);

    Glider glider;
    glider.valid = 1;
    const std::vector<FoilPoint> foil = largestOutline();
    for (int slot = 0; slot < Glider::kSlots; ++slot) {
        Surface& s = glider.surfaces[slot];
        const bool wing = slot <= WingRight;
        s.foil.points = foil;
        s.texturePath = writeTexture(dir, "surface" + std::to_string(slot) + ".raw", slot);
        s.position = {wing ? 0.0f : 4.0f, 0, slot == Fin ? 0.1f : 0.4f};
        for (int i = 0; i < Surface::kMaxPanes; ++i) {
            s.insertPane(-1);
            Pane& p = s.pane(i);
            p.env = wing ? 0.75f : 0.12f;
            p.c1 = (wing ? 1.0f : 0.5f) - 0.03f * i;
            p.c2 = p.c1 - 0.03f;
            p.fleche = 0.01f;
            p.diedre = slot == Fin ? 1.5707964f : 0.05f;
            p.color = {0.9f, 0.8f, 0.2f};
        }
        s.chainRootPoints();
    }
    glider.body.color = {0.9f, 0.9f, 0.9f};
    glider.body.texturePath = writeTexture(dir, "body.raw", 9);
    for (int i = 0; i < 200; ++i) {
        const float x = -1.0f + 6.0f * i / 199;
        const float r = 0.35f * std::sin(float(M_PI) * (i + 1) / 201);
        glider.body.sections.push_back({x, -r, 2 * r, 1.6f * r});
    }
    return glider;
}

Foil largestFoil() {
    Foil foil;
    foil.name = "largest";
    foil.points = largestOutline();
    for (int n = 0; n < 256; ++n) {
        Polar polar;
        polar.reynolds = 20000 + 10000 * n;
        for (int degrees = -180; degrees <= 180; ++degrees) {
            const float alpha = float(degrees * M_PI / 180);
            polar.rows.push_back({alpha, 1.1f * std::sin(2 * alpha), 0.01f + std::abs(alpha)});
        }
        foil.polars.push_back(std::move(polar));
    }
    return foil;
}
