#include "surface.h"

#include "angles.h"
#include "errors.h"

#include <cmath>

Surface::Surface(const Surface& other)
    : slot(other.slot), side(other.side), texturePath(other.texturePath), position(other.position),
      calage(other.calage), areaSum(other.areaSum), spanSum(other.spanSum), foil(other.foil),
      weight(other.weight), panes_(other.panes_) {
    repointFoil();
}

Surface& Surface::operator=(const Surface& other) {
    if (this != &other) {
        Surface copy(other);
        *this = std::move(copy);
    }
    return *this;
}

Surface::Surface(Surface&& other) noexcept
    : slot(other.slot), side(other.side), texturePath(std::move(other.texturePath)),
      position(other.position), calage(other.calage), areaSum(other.areaSum),
      spanSum(other.spanSum), foil(std::move(other.foil)), weight(other.weight),
      panes_(std::move(other.panes_)) {
    repointFoil();
}

Surface& Surface::operator=(Surface&& other) noexcept {
    slot = other.slot;
    side = other.side;
    texturePath = std::move(other.texturePath);
    position = other.position;
    calage = other.calage;
    areaSum = other.areaSum;
    spanSum = other.spanSum;
    foil = std::move(other.foil);
    weight = other.weight;
    panes_ = std::move(other.panes_);
    repointFoil();
    return *this;
}

void Surface::repointFoil() {
    for (Pane& p : panes_)
        p.foil = &foil;
}

void Surface::clear() {
    panes_.clear();
    position = {0, 0, 0};
    calage = 0;
    weight = 0;
    areaSum = 0;
    spanSum = 0;
    texturePath.clear();
}

void Surface::appendPane(const Pane& pane) {
    panes_.push_back(pane);
    panes_.back().foil = &foil;
}

void Surface::insertPane(int index, const Pane& values) {
    Pane pane = values;
    pane.slot = slot;
    pane.side = sideOfSlot(slot);
    pane.foil = &foil;
    if (index < 0 || index >= npart())
        panes_.push_back(pane);
    else
        panes_.insert(panes_.begin() + index, pane);
}

void Surface::removePane(int index) {
    if (index >= 0 && index < npart())
        panes_.erase(panes_.begin() + index);
}

void Surface::computePaneValues() {
    side = sideOfSlot(slot);
    for (Pane& p : panes_) {
        p.slot = slot;
        p.side = side;
        p.area = paneArea(p);
    }
}

void Surface::chainRootPoints() {
    for (std::size_t i = 0; i < panes_.size(); ++i) {
        Pane& p = panes_[i];
        if (i == 0) {
            p.rootPoint = {-double(position[0]), side * double(position[1]), double(position[2])};
            continue;
        }
        const Pane& prev = panes_[i - 1];
        p.rootPoint = {prev.rootPoint[0] - prev.fleche,
                       prev.rootPoint[1] + side * prev.env * std::cos(double(prev.diedre)),
                       prev.rootPoint[2] + prev.env * std::sin(double(prev.diedre))};
    }
}

void Surface::sumPanes() {
    areaSum = 0;
    spanSum = 0;
    for (const Pane& p : panes_) {
        areaSum += p.area;
        spanSum += p.env;
    }
}

bool rebuildSurface(Surface& surface, const FoilLoader& loadFoil) {
    surface.side = Surface::sideOfSlot(surface.slot);
    surface.areaSum = 0;
    surface.spanSum = 0;
    surface.computePaneValues();
    surface.chainRootPoints();

    const std::string path =
        !surface.foil.foilPath.empty() ? surface.foil.foilPath : surface.foil.foilFilename;
    if (path.empty() || !loadFoil)
        return false;
    try {
        loadFoil(surface.foil, path);
    } catch (const err&) {
        return false;
    }
    surface.sumPanes();
    return true;
}

Pane continuingPane(const Pane& previous) {
    Pane next = previous;
    next.c1 = previous.c2;
    next.c2 = previous.c1 > 0 ? previous.c2 * (previous.c2 / previous.c1) : previous.c2;
    next.throwUp = 0;
    next.throwDown = 0;
    return next;
}

Pane firstPane(int slot) {
    Pane pane;
    pane.color = {0.9f, 0.9f, 0.9f};
    switch (slot) {
    case WingLeft:
    case WingRight:
        pane.env = 0.6f;
        pane.c1 = 0.22f;
        pane.c2 = 0.18f;
        pane.fleche = 0.01f;
        pane.diedre = float(2 * kDegreesToRadians);
        break;
    case StabLeft:
    case StabRight:
        pane.env = 0.3f;
        pane.c1 = 0.13f;
        pane.c2 = 0.09f;
        pane.fleche = 0.03f;
        break;
    default:
        pane.env = 0.22f;
        pane.c1 = 0.16f;
        pane.c2 = 0.1f;
        pane.fleche = 0.06f;
        pane.diedre = kUprightDihedral;
        break;
    }
    return pane;
}
