#pragma once

#include "formats/texturefile.h"

struct Body;
class Surface;

// Creates the surface's texture object from its texturePath, first deleting the one it
// had. hasTexture tells whether a texture was made. Needs a current context.
void loadTexture(Surface& surface);

// Creates the body's texture object, first deleting the one it had; false (and nothing
// loaded) when the body has no section. Needs a current context.
bool loadTexture(Body& body);

// Deletes a texture object made by loadTexture, if any, and clears hasTexture.
void releaseTexture(Surface& surface);
void releaseTexture(Body& body);
