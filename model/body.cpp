#include "body.h"

void Body::clear() {
    sections.clear();
    color = {0, 0, 0};
    weight = 0;
    texturePath.clear();
}

void Body::insertSection(int index) {
    if (index < 0 || index >= static_cast<int>(sections.size()))
        sections.emplace_back();
    else
        sections.insert(sections.begin() + index, BodySection{});
}

void Body::removeSection(int index) {
    if (index >= 0 && index < static_cast<int>(sections.size()))
        sections.erase(sections.begin() + index);
}

bool updateBody(const Body& body) { return !body.sections.empty(); }
