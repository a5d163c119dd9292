#include "aero/planform.h"

#include <cmath>

namespace aero {

double PaneShape::chordAt(double s) const {
    return env > 0 ? c1 + (c2 - c1) * s / env : c1;
}

double PaneShape::leadingEdgeXAt(double s) const {
    return env > 0 ? root[0] + fleche * s / env : root[0];
}

Vec3 PaneShape::leadingEdgeAt(double s) const {
    return {leadingEdgeXAt(s), root[1] + side * s * std::cos(dihedral),
            root[2] + s * std::sin(dihedral)};
}

std::array<Vec3, 4> PaneShape::corners() const {
    const Vec3 tip = leadingEdgeAt(env);
    return {root, Vec3{root[0] + c1, root[1], root[2]}, tip, Vec3{tip[0] + c2, tip[1], tip[2]}};
}

double PaneShape::meanChord() const {
    const double sum = c1 + c2;
    return sum > 0 ? 2.0 / 3.0 * (c1 * c1 + c1 * c2 + c2 * c2) / sum : 0;
}

double PaneShape::meanChordSpan() const {
    const double sum = c1 + c2;
    return sum > 0 ? env / 3 * (c1 + 2 * c2) / sum : 0;
}

std::vector<PaneShape> paneShapes(const Surface& surface, int slot) {
    const int side = Surface::sideOfSlot(slot);
    std::vector<PaneShape> shapes;
    Vec3 root{surface.position[0], side * double(surface.position[1]), surface.position[2]};
    for (const Pane& pane : surface.panes()) {
        PaneShape shape;
        shape.root = root;
        shape.c1 = pane.c1;
        shape.c2 = pane.c2;
        shape.env = pane.env;
        shape.fleche = pane.fleche;
        shape.dihedral = pane.diedre;
        shape.side = side;
        root = shape.leadingEdgeAt(shape.env);
        shapes.push_back(shape);
    }
    return shapes;
}

std::optional<Planform> planformOf(const Glider& glider, Part part) {
    const int slot = part == Part::Wing ? WingLeft : part == Part::Stabiliser ? StabLeft : Fin;
    const double halves = part == Part::Fin ? 1 : 2;
    const std::vector<PaneShape> shapes = paneShapes(glider.surfaces[slot], slot);

    Planform p;
    double projected = 0;
    for (const PaneShape& shape : shapes) {
        const double area = shape.area();
        if (!(area > 0))
            continue;
        p.area += area;
        p.meanChord += area * shape.meanChord();
        const double s = shape.meanChordSpan();
        p.meanChordLeadingEdgeX += area * shape.leadingEdgeXAt(s);
        p.meanDihedral += area * shape.dihedral;
        projected +=
            shape.env * (part == Part::Fin ? std::sin(shape.dihedral) : std::cos(shape.dihedral));
    }
    if (!(p.area > 0) || !std::isfinite(p.area))
        return std::nullopt;
    p.meanChord /= p.area;
    p.meanChordLeadingEdgeX /= p.area;
    p.meanDihedral /= p.area;
    p.area *= halves;
    p.span = halves * std::abs(projected);
    p.aspectRatio = p.span * p.span / p.area;

    const PaneShape& first = shapes.front();
    const PaneShape& last = shapes.back();
    p.rootChord = first.c1;
    p.tipChord = last.c2;
    const double sweepX =
        (last.leadingEdgeXAt(last.env) + last.c2 / 4) - (first.root[0] + first.c1 / 4);
    p.quarterChordSweep = projected != 0 ? std::atan(sweepX / std::abs(projected)) : 0;
    return p;
}

} // namespace aero
