#pragma once

// Visibility bits of the drawn parts.
enum VisibilityBit {
    ShowWingRight = 0x01, // slot 1, side +1
    ShowWingLeft = 0x02,  // slot 0, side -1
    ShowStabRight = 0x04, // slot 3
    ShowStabLeft = 0x08,  // slot 2
    ShowBody = 0x10,
    ShowFin = 0x20,
};
inline constexpr int kShowAll = 255;

// Update hints a document sends to its views; bits combine.
enum UpdateHint { HintRedraw = 0, HintFill = 1, HintTexture = 2, HintRebuild = 4 };

// How one document's glider is shown; owned by the document, read by its views.
struct DisplaySettings {
    int fill = 1;    // 1 filled, 0 outlines
    int texture = 1; // 1 textured, 0 plain colours
    int visibility = kShowAll;
};
