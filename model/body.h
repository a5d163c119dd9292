#pragma once

#include "pane.h"

#include <string>
#include <vector>

// One elliptic cross-section of the fuselage, in the order of a glider file's coord rows.
struct BodySection {
    float x = 0; // station along the body, file frame
    float z = 0; // bottom of the ellipse
    float h = 0; // height
    float l = 0; // width
};

// The fuselage: elliptic sections from nose to tail.
struct Body {
    Color color{0, 0, 0};
    std::vector<BodySection> sections;
    std::string texturePath;
    int useTexture = 1;
    float weight = 0;

    // Empties the body before a file is read into it.
    void clear();
    // Inserts a zero section before `index`, or at the end when index is -1.
    void insertSection(int index);
    void removeSection(int index);
};

// Whether the body has at least one section and is therefore drawn.
bool updateBody(const Body& body);
