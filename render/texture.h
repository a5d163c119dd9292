#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

struct Body;
class Surface;
struct PartGl;

constexpr int kTextureSize = 256;
constexpr std::size_t kTextureBytes = std::size_t(kTextureSize) * kTextureSize * 3;

// The 256 x 256 RGB image of a texture file: its first 196,608 bytes, zero past a short
// file's end. Nothing for an empty path or anything but a readable regular file.
std::optional<std::vector<unsigned char>> readTextureFile(const std::string& path);

// Creates the surface's texture object from its texturePath into `gl`, first deleting the
// one it had. hasTexture tells whether a texture was made. Needs a current context.
void loadTexture(const Surface& surface, PartGl& gl);

// Creates the body's texture object, first deleting the one it had; false (and nothing
// loaded) when the body has no section. Needs a current context.
bool loadTexture(const Body& body, PartGl& gl);

// Deletes a texture object made by loadTexture, if any, and clears hasTexture.
void releaseTexture(PartGl& gl);
