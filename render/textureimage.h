#pragma once

#include <QImage>

#include <optional>
#include <string>
#include <vector>

// How an image that is not 256 x 256 becomes a texture.
enum class ImageFit {
    Scale, // the whole image, stretched to the square
    Crop,  // its centred square, so nothing is stretched
};

/**
 * The texels of an image: alpha flattened onto white, then fitted to 256 x 256 with smooth
 * filtering; pixel (x, y) becomes texel (x, y), row 0 first.
 */
std::vector<unsigned char> textureFromImage(const QImage& image, ImageFit fit);

// The texture as a 256 x 256 RGB image holding exactly its texels.
QImage imageFromTexture(const std::vector<unsigned char>& texels);

// Whether Qt takes the file for an image, from its contents or else its suffix.
bool isImageFile(const std::string& path);

// Any image Qt reads; nothing, with the reason in `error`, otherwise.
std::optional<QImage> readImageFile(const std::string& path, std::string& error);

/**
 * The texels of a texture file to convert, as the drawing shows them (a short file ends in
 * black). A file longer than one texture is refused, since its tail would be lost; `error`
 * says why.
 */
std::optional<std::vector<unsigned char>> readTextureToConvert(const std::string& path,
                                                               std::string& error);

// Writes the image as PNG through the atomic writer; false with the reason in `error`.
bool writePngFile(const QImage& image, const std::string& path, std::string& error);
