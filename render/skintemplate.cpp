#include "render/skintemplate.h"

#include "formats/texturefile.h"
#include "model/glider.h"
#include "render/geometry.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

namespace {

// The drawing's t runs over the upper surface below this and over the lower one above it.
constexpr float kLowerSurfaceStart = 0.5f;
// Texture coordinates that are whole texels but for rounding still start or end there.
constexpr double kSlack = 1e-4;

struct TexelSpan {
    int first;
    int last;
};

// The texels nearest filtering samples between two texture coordinates.
TexelSpan texelSpan(float from, float to) {
    const double a = std::min(from, to) * double(kTextureSize);
    const double b = std::max(from, to) * double(kTextureSize);
    const int first = std::clamp(int(std::floor(a + kSlack)), 0, kTextureSize - 1);
    const int last = std::clamp(int(std::ceil(b - kSlack)) - 1, first, kTextureSize - 1);
    return {first, last};
}

QRect texelRect(TexelSpan columns, TexelSpan rows) {
    return QRect(QPoint(columns.first, rows.first), QPoint(columns.last, rows.last));
}

void addPaneAreas(const Surface& surface, int side, std::vector<SkinArea>& areas) {
    for (int i = 0; i < surface.npart(); ++i) {
        const PaneStrip strip = paneStrip(surface.pane(i), true, surface.spanSum);
        if (strip.vertices.empty())
            continue;
        float sMin = 1, sMax = 0, tMin = 1, tMax = 0;
        for (const Vertex& v : strip.vertices) {
            sMin = std::min(sMin, v.texCoord[0]);
            sMax = std::max(sMax, v.texCoord[0]);
            tMin = std::min(tMin, v.texCoord[1]);
            tMax = std::max(tMax, v.texCoord[1]);
        }
        const TexelSpan columns = texelSpan(sMin, sMax);
        if (tMin < kLowerSurfaceStart)
            areas.push_back(
                {i + 1, side, false, texelRect(columns, texelSpan(tMin, kLowerSurfaceStart))});
        if (tMax > kLowerSurfaceStart)
            areas.push_back(
                {i + 1, side, true, texelRect(columns, texelSpan(kLowerSurfaceStart, tMax))});
    }
}

void addBodyAreas(const Body& body, std::vector<SkinArea>& areas) {
    const double last = double(body.sections.size()) - 1;
    for (const std::vector<Vertex>& strip : bodyStrips(body, true)) {
        const float front = strip.front().texCoord[1];
        const float rear = strip[1].texCoord[1];
        const int number = int(std::lround(front * last)) + 1;
        const TexelSpan around = texelSpan(strip.front().texCoord[0], strip.back().texCoord[0]);
        areas.push_back({number, 0, false, texelRect(around, texelSpan(front, rear))});
    }
}

QImage backgroundImage(int scale, const std::vector<unsigned char>* texels) {
    const int size = kTextureSize * scale;
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (texels == nullptr || texels->size() < kTextureBytes)
        return image;
    // Faded to two fifths, so the frames and lettering stand out.
    const auto fade = [](unsigned char c) { return 255 - (255 - int(c)) * 2 / 5; };
    for (int y = 0; y < size; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const unsigned char* row = texels->data() + std::size_t(y / scale) * kTextureSize * 3;
        for (int x = 0; x < size; ++x) {
            const unsigned char* t = row + std::size_t(x / scale) * 3;
            line[x] = qRgb(fade(t[0]), fade(t[1]), fade(t[2]));
        }
    }
    return image;
}

QRect pixelRect(const QRect& texels, int scale) {
    return QRect(texels.x() * scale, texels.y() * scale, texels.width() * scale,
                 texels.height() * scale);
}

// The frame inside the area's own pixels, so that paint up to it stays on the area.
void drawFrame(QPainter& painter, const QRect& r, int width, QRgb top, QRgb bottom) {
    const int w = std::min({width, r.width(), r.height()});
    painter.fillRect(QRect(r.left(), r.top(), w, r.height()), QColor(kSkinOutline));
    painter.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), QColor(kSkinOutline));
    painter.fillRect(QRect(r.left(), r.top(), r.width(), w), QColor(top));
    painter.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), QColor(bottom));
}

// A dashed line along the boundary before texel column `column`, straddling it.
void drawCentreLine(QPainter& painter, int column, int scale) {
    const int width = scale >= 2 ? 4 : 2;
    const int x = column * scale - width / 2;
    const int dash = 6 * scale;
    for (int y = 0; y < kTextureSize * scale; y += 2 * dash)
        painter.fillRect(QRect(x, y, width, dash), QColor(kSkinCentreLine));
}

// The largest font from `largest` pixels down to 6 in which every line fits `room`.
std::optional<QFont> fittingFont(const QStringList& lines, const QSize& room, int largest) {
    QFont font;
    for (int pixels = largest; pixels >= 6; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        int width = 0;
        for (const QString& line : lines)
            width = std::max(width, metrics.horizontalAdvance(line));
        if (width <= room.width() && metrics.height() * lines.size() <= room.height())
            return font;
    }
    return std::nullopt;
}

void drawCentredText(QPainter& painter, const QRect& r, const QStringList& lines, int scale) {
    const std::optional<QFont> font =
        fittingFont(lines, r.size() - QSize(6, 6), std::max(9, 9 * scale));
    if (!font)
        return;
    painter.setFont(*font);
    painter.setPen(QColor(kSkinOutline));
    painter.drawText(r, Qt::AlignCenter, lines.join(QLatin1Char('\n')));
}

void drawNote(QPainter& painter, QPoint at, const QString& text, QRgb colour, int scale,
              bool above) {
    QFont font;
    font.setPixelSize(std::max(7, 6 * scale));
    painter.setFont(font);
    painter.setPen(QColor(colour));
    const QFontMetrics metrics(font);
    const int y = above ? at.y() - metrics.descent() : at.y() + metrics.ascent();
    painter.drawText(QPoint(at.x(), y), text);
}

QStringList areaLabel(const SkinArea& area, SkinPart part) {
    if (part == SkinPart::Body)
        return {QString::number(area.number)};
    // Side +1 is the glider's left.
    const QString name = part == SkinPart::Fin
                             ? QString::number(area.number)
                             : (area.side > 0 ? QStringLiteral("G") : QStringLiteral("D")) +
                                   QString::number(area.number);
    return {name, area.lower ? QStringLiteral("intrados") : QStringLiteral("extrados")};
}

void drawSurfaceNotes(QPainter& painter, const std::vector<SkinArea>& areas, int scale) {
    for (const bool lower : {false, true}) {
        QRect band;
        for (const SkinArea& area : areas)
            if (area.lower == lower)
                band = band.united(pixelRect(area.texels, scale));
        if (band.isEmpty())
            continue;
        const int x = band.left() + 3 * scale + 2;
        drawNote(painter, QPoint(x, band.top() + 2 * scale + 1), QStringLiteral("bord d'attaque"),
                 kSkinLeadingEdge, scale, false);
        drawNote(painter, QPoint(x, band.bottom() - 2 * scale - 1), QStringLiteral("bord de fuite"),
                 kSkinTrailingEdge, scale, true);
    }
    const int centre = kTextureSize / 2;
    drawCentreLine(painter, centre, scale);
    drawNote(painter, QPoint(centre * scale + 3 * scale + 2, 32 * scale), QStringLiteral("axe"),
             kSkinCentreLine, scale, false);
}

void drawBodyNotes(QPainter& painter, int scale) {
    const int quarter = kTextureSize / 4;
    drawCentreLine(painter, quarter, scale);
    drawCentreLine(painter, 3 * quarter, scale);
    const int middle = kTextureSize * scale / 2;
    const std::pair<int, const char*> lines[] = {
        {0, "flanc G"}, {quarter, "dessus"}, {2 * quarter, "flanc D"}, {3 * quarter, "dessous"}};
    for (const auto& [column, name] : lines)
        drawNote(painter, QPoint(column * scale + 3 * scale + 2, middle), QString::fromUtf8(name),
                 kSkinCentreLine, scale, false);
    drawNote(painter, QPoint(3 * scale + 2, 2 * scale + 1), QStringLiteral("nez"), kSkinLeadingEdge,
             scale, false);
    drawNote(painter, QPoint(3 * scale + 2, kTextureSize * scale - 2 * scale - 1),
             QStringLiteral("queue"), kSkinTrailingEdge, scale, true);
}

} // namespace

std::vector<SkinArea> skinAreas(const Glider& glider, SkinPart part) {
    std::vector<SkinArea> areas;
    switch (part) {
    case SkinPart::Wing:
    case SkinPart::Stab:
        for (const int slot : part == SkinPart::Wing ? std::array{WingRight, WingLeft}
                                                     : std::array{StabRight, StabLeft})
            addPaneAreas(glider.surfaces[slot], Surface::sideOfSlot(slot), areas);
        break;
    case SkinPart::Fin:
        // A fin without span is never drawn.
        if (glider.surfaces[Fin].spanSum != 0)
            addPaneAreas(glider.surfaces[Fin], Surface::sideOfSlot(Fin), areas);
        break;
    case SkinPart::Body:
        addBodyAreas(glider.body, areas);
        break;
    }
    return areas;
}

QImage skinTemplate(const Glider& glider, SkinPart part, int scale,
                    const std::vector<unsigned char>* background) {
    scale = std::max(1, scale);
    QImage image = backgroundImage(scale, background);
    const std::vector<SkinArea> areas = skinAreas(glider, part);
    QPainter painter(&image);
    const int width = scale >= 4 ? 2 : 1;
    for (const SkinArea& area : areas)
        drawFrame(painter, pixelRect(area.texels, scale), width, kSkinLeadingEdge,
                  kSkinTrailingEdge);
    if (part == SkinPart::Body)
        drawBodyNotes(painter, scale);
    else if (!areas.empty())
        drawSurfaceNotes(painter, areas, scale);
    for (const SkinArea& area : areas)
        drawCentredText(painter, pixelRect(area.texels, scale), areaLabel(area, part), scale);
    return image;
}
