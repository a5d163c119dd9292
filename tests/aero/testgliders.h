#pragma once

#include "model/glider.h"

#include <vector>

// Gliders built in code, with the hand-workable shapes the analysis tests need.
namespace testgliders {

inline Pane pane(float env, float c1, float c2, float fleche = 0, float diedre = 0) {
    Pane p;
    p.env = env;
    p.c1 = c1;
    p.c2 = c2;
    p.fleche = fleche;
    p.diedre = diedre;
    return p;
}

// Sets a part's panes, position and weight per half; the wing and stabiliser on both sides.
inline void setPart(Glider& glider, int slot, Vec3f position, const std::vector<Pane>& panes,
                    float weight) {
    const bool paired = slot == WingLeft || slot == StabLeft;
    for (int s : paired ? std::vector<int>{slot, slot + 1} : std::vector<int>{slot}) {
        Surface& surface = glider.surfaces[s];
        surface.clear();
        surface.position = position;
        surface.weight = weight;
        for (const Pane& p : panes)
            surface.appendPane(p);
        surface.computePaneValues();
        surface.chainRootPoints();
        surface.sumPanes();
    }
}

// One polar row per 1 degree: lift cl0 + 0.1 per degree, a constant drag, stalling at clMax.
inline Polar constantDragPolar(int reynolds, float cd, float clMax) {
    Polar polar;
    polar.reynolds = reynolds;
    for (int deg = -10; deg <= 20; ++deg) {
        float cl = 0.1f * deg;
        if (cl > clMax)
            cl = clMax - 0.05f * (cl - clMax);
        polar.rows.push_back({deg * 0.01745329252f, cl, cd});
    }
    polar.zeroIndex = 10;
    return polar;
}

// A foil holding the given polars between the loader's two sentinels.
inline Foil foilWith(std::vector<Polar> polars) {
    Foil foil;
    foil.name = "test";
    Polar low = polars.front();
    low.reynolds = 0;
    Polar high = polars.back();
    high.reynolds = 10000000;
    foil.polars.push_back(low);
    for (Polar& p : polars)
        foil.polars.push_back(std::move(p));
    foil.polars.push_back(high);
    return foil;
}

inline void setFoil(Glider& glider, int slot, const Foil& foil) {
    glider.surfaces[slot].foil = foil;
    if (slot == WingLeft || slot == StabLeft)
        glider.surfaces[slot + 1].foil = foil;
}

// A straight rectangular wing: half span `half`, chord `chord`, leading edge at file x = x.
inline Glider rectangularWing(float half, float chord, float x, float weightPerHalf) {
    Glider glider;
    setPart(glider, WingLeft, {x, 0, 0}, {pane(half, chord, chord)}, weightPerHalf);
    return glider;
}

} // namespace testgliders
