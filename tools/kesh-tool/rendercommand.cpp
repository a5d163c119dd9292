#include "rendercommand.h"

#include "formats/diskpath.h"
#include "formats/gliderfile.h"
#include "formats/simulatorpaths.h"
#include "model/errors.h"
#include "model/glider.h"
#include "render/dib.h"
#include "render/displaysettings.h"
#include "render/drawing.h"
#include "render/glidergl.h"
#include "render/gliderrenderer.h"
#include "render/offscreenframe.h"
#include "toolapplication.h"

#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <sstream>

namespace {

constexpr int kMaxSide = 8192;

struct RenderOptions {
    std::string gliderPath;
    std::string outPath;
    std::string simDir;
    int viewMode = ViewFree;
    int width = 640;
    int height = 480;
    float zoom = 1.0f;
    int rotX = 0;
    int rotZ = 0;
    int fill = 1;
    int texture = 1;
    int visibility = 255;
};

const char* const kUsage = "kesh-tool render --help lists the options\n";

std::string lowered(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

std::optional<int> parseInt(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || value < -1000000 || value > 1000000)
        return std::nullopt;
    return int(value);
}

std::optional<std::pair<int, int>> parsePair(const std::string& text, char separator) {
    const std::size_t at = text.find(separator);
    if (at == std::string::npos)
        return std::nullopt;
    const auto a = parseInt(text.substr(0, at));
    const auto b = parseInt(text.substr(at + 1));
    if (!a || !b)
        return std::nullopt;
    return std::make_pair(*a, *b);
}

std::optional<int> parseView(const std::string& name) {
    if (name == "free")
        return ViewFree;
    if (name == "top")
        return ViewTop;
    if (name == "left")
        return ViewLeft;
    if (name == "front")
        return ViewFront;
    return std::nullopt;
}

// The visibility mask with the named parts cleared.
std::optional<int> parseHidden(const std::string& list) {
    int mask = 255;
    std::stringstream parts(list);
    std::string part;
    while (std::getline(parts, part, ',')) {
        if (part == "wing")
            mask &= ~(ShowWingLeft | ShowWingRight);
        else if (part == "stab")
            mask &= ~(ShowStabLeft | ShowStabRight);
        else if (part == "body")
            mask &= ~ShowBody;
        else if (part == "fin")
            mask &= ~ShowFin;
        else
            return std::nullopt;
    }
    return mask;
}

// Reads the options; a message in `error` when they do not make a command.
std::optional<RenderOptions> parseOptions(const std::vector<std::string>& args,
                                          std::string& error) {
    RenderOptions o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const bool hasValue = i + 1 < args.size();
        const auto value = [&]() -> const std::string& { return args[++i]; };
        if (a == "--lines") {
            o.fill = 0;
        } else if (a == "--colors") {
            o.texture = 0;
        } else if ((a == "-o" || a == "--sim" || a == "--view" || a == "--size" || a == "--zoom" ||
                    a == "--rot" || a == "--hide") &&
                   !hasValue) {
            error = a + " needs a value";
            return std::nullopt;
        } else if (a == "-o") {
            o.outPath = value();
        } else if (a == "--sim") {
            o.simDir = value();
        } else if (a == "--view") {
            const auto mode = parseView(value());
            if (!mode) {
                error = "unknown view";
                return std::nullopt;
            }
            o.viewMode = *mode;
        } else if (a == "--size") {
            const auto size = parsePair(lowered(value()), 'x');
            if (!size || size->first < 1 || size->second < 1 || size->first > kMaxSide ||
                size->second > kMaxSide) {
                error = "--size wants WxH, each 1 to 8192";
                return std::nullopt;
            }
            o.width = size->first;
            o.height = size->second;
        } else if (a == "--zoom") {
            const std::string& text = value();
            char* end = nullptr;
            const float zoom = std::strtof(text.c_str(), &end);
            if (text.empty() || *end != '\0' || !std::isfinite(zoom)) {
                error = "--zoom wants a number";
                return std::nullopt;
            }
            o.zoom = zoom;
        } else if (a == "--rot") {
            const auto rot = parsePair(value(), ',');
            if (!rot) {
                error = "--rot wants X,Z in whole degrees";
                return std::nullopt;
            }
            o.rotX = rot->first;
            o.rotZ = rot->second;
        } else if (a == "--hide") {
            const auto mask = parseHidden(value());
            if (!mask) {
                error = "--hide takes wing, body, stab and fin";
                return std::nullopt;
            }
            o.visibility = *mask;
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown option " + a;
            return std::nullopt;
        } else if (o.gliderPath.empty()) {
            o.gliderPath = a;
        } else {
            error = "one glider file only";
            return std::nullopt;
        }
    }
    if (o.gliderPath.empty() || o.outPath.empty()) {
        error = "a glider file and -o OUT are needed";
        return std::nullopt;
    }
    const std::string ext = lowered(o.outPath);
    if (!endsWith(ext, ".png") && !endsWith(ext, ".bmp")) {
        error = "the output must end in .png or .bmp";
        return std::nullopt;
    }
    return o;
}

bool writeImage(const QImage& image, const std::string& path) {
    if (endsWith(lowered(path), ".bmp")) {
        const std::optional<Dib> dib = bitmapToDib(image);
        return dib && writeDib(path, *dib);
    }
    QSaveFile file(fromDiskPath(path));
    return file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
}

// First paint as a view makes it, then the hints a document would send for these options.
QImage draw(Glider& glider, const RenderOptions& o, OffscreenFrame& frame) {
    GliderRenderer renderer;
    renderer.viewMode = o.viewMode;
    renderer.zoom = o.zoom;
    renderer.rotX = o.rotX;
    renderer.rotZ = o.rotZ;
    frame.makeCurrent();
    renderer.resize(o.width, o.height);
    GliderGl gl;
    renderer.paint(&glider, gl);
    if (o.visibility != 255)
        rebuildDisplayList(glider, gl, o.visibility);
    renderer.applyFill(o.fill);
    renderer.applyTexture(o.texture);
    renderer.paint(&glider, gl);
    QImage image = frame.image();
    releaseGliderGl(gl);
    return image;
}

int render(const RenderOptions& o) {
    Glider glider;
    const std::string simDir =
        !o.simDir.empty() ? o.simDir
                          : simulatorDirectoryFrom(std::filesystem::current_path().string());
    try {
        readGlider(glider, o.gliderPath, simDir);
    } catch (const err& e) {
        std::cerr << (e.text().empty() ? "cannot read " + o.gliderPath : e.text()) << "\n";
        return 1;
    }

    OffscreenFrame frame;
    if (!frame.create(QSize(o.width, o.height))) {
        std::cerr << "cannot draw: neither a display nor EGL (Debian package libegl-mesa0) gave an "
                     "OpenGL context with a "
                  << o.width << "x" << o.height << " framebuffer\n";
        return 1;
    }
    const QImage image = draw(glider, o, frame);
    if (!writeImage(image, o.outPath)) {
        std::cerr << "cannot write " << o.outPath << "\n";
        return 1;
    }
    return 0;
}

} // namespace

int runRenderCommand(const std::vector<std::string>& args) {
    std::string error;
    const std::optional<RenderOptions> options = parseOptions(args, error);
    if (!options) {
        std::cerr << "kesh-tool: " << error << "\n" << kUsage;
        return 2;
    }
    return withApplication<QGuiApplication>([&] { return render(*options); });
}
