#pragma once

#include <QImage>
#include <QRect>

#include <vector>

class Glider;

enum class SkinPart { Wing, Stab, Fin, Body };

// A pane's upper or lower surface, or a body segment, as the texels the drawing lays on it.
struct SkinArea {
    int number = 0; // the pane from the root or the segment from the nose, from 1
    int side = 0;   // +1 or -1 for a pane, 0 for a body segment
    bool lower = false;
    QRect texels; // columns and rows, both ends included
};

// Every area of the part on its texture; empty when the glider draws no such part.
std::vector<SkinArea> skinAreas(const Glider& glider, SkinPart part);

// The template's colours: area sides, leading or front edges, trailing or rear edges, the
// centre line (the body's top and bottom lines).
constexpr QRgb kSkinOutline = 0xff303030;
constexpr QRgb kSkinLeadingEdge = 0xff0050e0;
constexpr QRgb kSkinTrailingEdge = 0xffe07000;
constexpr QRgb kSkinCentreLine = 0xffc000c0;

/**
 * The painting template of a part, `scale` pixels a texel: the frame and label of every
 * area (its top edge the leading edge, its bottom the trailing edge) and the centre line,
 * over the texture faded when `background` holds one, else over white. An image painted on
 * it and made a texture puts its paint where the frames are in the 3D view. Needs a
 * QGuiApplication for the lettering.
 */
QImage skinTemplate(const Glider& glider, SkinPart part, int scale,
                    const std::vector<unsigned char>* background);
