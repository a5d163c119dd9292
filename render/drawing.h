#pragma once

#include "model/surface.h"

#include <memory>

class Glider;
struct Body;
struct Pane;
struct PartGl;
struct GliderGl;

// Everything here emits OpenGL and needs a current context; lists and textures belong to
// its share group and are recorded in the glider's GliderGl.

// Emits one pane's strip, placed at its root and turned by its dihedral.
void drawPane(const Pane& pane, int textured, float spanSum);
// Binds the surface's texture, if any, and emits its panes.
void drawSurface(const Surface& surface, const PartGl& gl);
// Emits the body's strips in its colour, textured when it has a texture.
void drawBody(const Body& body, const PartGl& gl);

// First preparation of a glider for drawing: textures, pane values and sums, then the full
// list. Foils are not reloaded.
void prepareGlider(Glider& glider, GliderGl& gl);
// Compiles a new list holding every part.
void buildDisplayList(const Glider& glider, GliderGl& gl);
// Re-derives the parts (reloading foils through `loadFoil`) and compiles a list of the
// drawable parts the visibility mask lets through.
void rebuildDisplayList(Glider& glider, GliderGl& gl, int visibility, const FoilLoader& loadFoil);
// As above, reading a foil's file only when the foil does not hold it yet.
void rebuildDisplayList(Glider& glider, GliderGl& gl, int visibility);
// rebuildDisplayList that keeps the list it replaces as the spare, drawing `replacedState`.
void rebuildKeepingSpare(Glider& glider, GliderGl& gl, int visibility,
                         std::shared_ptr<const void> replacedState);
// Makes the spare the list when it draws `state`, the list becoming the spare; false, and
// nothing changed, when it does not. Needs no context.
bool swapToSpare(GliderGl& gl, const void* state);
void callDisplayList(const GliderGl& gl);

// Whether the glider's list exists in the current share group, i.e. it was prepared there.
bool isGliderPrepared(const GliderGl& gl);
// Deletes the glider's list and texture objects; for a document going away.
void releaseGliderGl(GliderGl& gl);
