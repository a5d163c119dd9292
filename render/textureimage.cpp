#include "render/textureimage.h"

#include "formats/atomicfile.h"
#include "formats/diskpath.h"
#include "formats/texturefile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace {

// Over white: c a + 255 (1 - a), rounded.
QImage flattenedOnWhite(const QImage& image) {
    QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QImage flat(argb.size(), QImage::Format_RGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(flat.scanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            const int a = qAlpha(in[x]);
            const auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            out[x] = qRgb(over(qRed(in[x])), over(qGreen(in[x])), over(qBlue(in[x])));
        }
    }
    return flat;
}

QImage centredSquare(const QImage& image) {
    const int side = std::min(image.width(), image.height());
    return image.copy((image.width() - side) / 2, (image.height() - side) / 2, side, side);
}

QString quoted(const std::string& path) {
    return QStringLiteral("'%1'").arg(fromDiskPath(path));
}

} // namespace

std::vector<unsigned char> textureFromImage(const QImage& image, ImageFit fit) {
    QImage flat = flattenedOnWhite(image);
    if (fit == ImageFit::Crop)
        flat = centredSquare(flat);
    if (flat.size() != QSize(kTextureSize, kTextureSize))
        flat = flat.scaled(kTextureSize, kTextureSize, Qt::IgnoreAspectRatio,
                           Qt::SmoothTransformation);
    const QImage rgb = flat.convertToFormat(QImage::Format_RGB888);
    std::vector<unsigned char> texels(kTextureBytes);
    const std::size_t row = std::size_t(kTextureSize) * 3;
    for (int y = 0; y < kTextureSize; ++y)
        std::memcpy(texels.data() + std::size_t(y) * row, rgb.constScanLine(y), row);
    return texels;
}

QImage imageFromTexture(const std::vector<unsigned char>& texels) {
    QImage image(kTextureSize, kTextureSize, QImage::Format_RGB888);
    const std::size_t row = std::size_t(kTextureSize) * 3;
    for (int y = 0; y < kTextureSize; ++y) {
        const std::size_t at = std::size_t(y) * row;
        const std::size_t have = texels.size() > at ? std::min(row, texels.size() - at) : 0;
        std::memset(image.scanLine(y), 0, row);
        if (have > 0)
            std::memcpy(image.scanLine(y), texels.data() + at, have);
    }
    return image;
}

bool isImageFile(const std::string& path) {
    QImageReader reader(fromDiskPath(path));
    if (reader.canRead())
        return true;
    const QByteArray suffix = QFileInfo(fromDiskPath(path)).suffix().toLower().toLatin1();
    return !suffix.isEmpty() && QImageReader::supportedImageFormats().contains(suffix);
}

std::optional<QImage> readImageFile(const std::string& path, std::string& error) {
    std::error_code ec;
    // A pipe or a device could block the read for ever.
    if (!std::filesystem::is_regular_file(path, ec)) {
        error = QCoreApplication::translate("TextureImage", "Le fichier %1 est introuvable.")
                    .arg(quoted(path))
                    .toStdString();
        return std::nullopt;
    }
    QImageReader reader(fromDiskPath(path));
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull() || image.width() < 1 || image.height() < 1) {
        error = QCoreApplication::translate("TextureImage", "Impossible de lire l'image %1 (%2).")
                    .arg(quoted(path), reader.errorString())
                    .toStdString();
        return std::nullopt;
    }
    return image;
}

std::optional<std::vector<unsigned char>> readTextureToConvert(const std::string& path,
                                                               std::string& error) {
    std::error_code ec;
    const bool regular = std::filesystem::is_regular_file(path, ec);
    const std::uintmax_t size = regular ? std::filesystem::file_size(path, ec) : 0;
    if (regular && !ec && size > kTextureBytes) {
        error = QCoreApplication::translate(
                    "TextureImage", "Le fichier %1 n'est pas une texture 256 x 256 : %2 octets au "
                                    "lieu de %3.")
                    .arg(quoted(path))
                    .arg(qulonglong(size))
                    .arg(qulonglong(kTextureBytes))
                    .toStdString();
        return std::nullopt;
    }
    std::optional<std::vector<unsigned char>> texels = readTextureFile(path);
    if (!texels)
        error = QCoreApplication::translate("TextureImage", "Impossible de lire la texture %1.")
                    .arg(quoted(path))
                    .toStdString();
    return texels;
}

bool writePngFile(const QImage& image, const std::string& path, std::string& error) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        error = QCoreApplication::translate("TextureImage", "impossible de coder l'image en PNG")
                    .toStdString();
        return false;
    }
    return replaceFileContents(path, bytes.toStdString(), error);
}
