#pragma once

#include "formats/texturefile.h"

struct Body;
class Glider;
class Surface;
struct GliderGl;
struct PartGl;

// Creates the surface's texture object from its texturePath into `gl`, first deleting the
// one it had. hasTexture tells whether a texture was made. Needs a current context.
void loadTexture(const Surface& surface, PartGl& gl);

// Creates the body's texture object, first deleting the one it had; false (and nothing
// loaded) when the body has no section. Needs a current context.
bool loadTexture(const Body& body, PartGl& gl);

// Deletes a texture object made by loadTexture, if any, and clears hasTexture.
void releaseTexture(PartGl& gl);

// Whether the part's texture object was made from this path's file as it is now.
bool isTextureCurrent(const std::string& path, const PartGl& gl);

// Loads again every texture whose part names another file than the one loaded, or whose
// file was written since; true when one was. Needs a current context.
bool reloadChangedTextures(const Glider& glider, GliderGl& gl);
