// The whole flight analysis of the largest glider the file format allows: five surfaces of
// ten panes, 200 body sections, every airfoil with four polars of 61 rows.
#include "aero/flightanalysis.h"

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

Polar polarAt(int reynolds) {
    Polar polar;
    polar.reynolds = reynolds;
    const double scale = std::log10(reynolds / 100000.0);
    for (int i = -24; i <= 36; ++i) {
        const double alpha = 0.5 * i;
        const double cl = std::min(0.1 * alpha + 0.3, 1.3 + 0.1 * scale - 0.02 * (alpha - 10));
        const double cd = 0.012 - 0.002 * scale + 0.006 * cl * cl;
        polar.rows.push_back({float(alpha * 0.01745329252), float(cl), float(cd)});
    }
    polar.zeroIndex = 24;
    return polar;
}

Foil fourPolarFoil() {
    Foil foil;
    for (int re : {100000, 200000, 400000, 800000})
        foil.polars.push_back(polarAt(re));
    foil.polars.insert(foil.polars.begin(), foil.polars.front());
    foil.polars.front().reynolds = 0;
    foil.polars.push_back(foil.polars.back());
    foil.polars.back().reynolds = 10000000;
    return foil;
}

Glider largestGlider() {
    Glider glider;
    const Foil foil = fourPolarFoil();
    for (int slot = 0; slot < Glider::kSlots; ++slot) {
        Surface& s = glider.surfaces[slot];
        s.slot = slot;
        s.side = Surface::sideOfSlot(slot);
        s.foil = foil;
        s.weight = slot < 2 ? 1.2f : 0.1f;
        s.position = {slot < 2 ? 0.4f : 1.6f, 0, 0.05f};
        for (int i = 0; i < Surface::kMaxPanes; ++i) {
            Pane p;
            p.env = slot < 2 ? 0.2f : 0.04f;
            p.c1 = (slot < 2 ? 0.25f : 0.12f) - 0.01f * i;
            p.c2 = p.c1 - 0.01f;
            p.fleche = 0.005f;
            p.diedre = slot == Fin ? 1.5707964f : 0.03f;
            s.appendPane(p);
        }
    }
    glider.body.weight = 0.8f;
    for (int i = 0; i < 200; ++i) {
        const float x = 0.01f * i;
        const float r = 0.04f * std::sin(3.14159f * (i + 1) / 201);
        glider.body.sections.push_back({x, -r, 2 * r, 2 * r});
    }
    glider.centrum = {-0.47f, 0, 0.02f};
    return glider;
}

void BM_AnalyseLargestGlider(benchmark::State& state) {
    const Glider glider = largestGlider();
    if (!aero::analyseGlider(glider).flight()) {
        state.SkipWithError("the glider has no speed polar");
        return;
    }
    for (auto _ : state) {
        aero::FlightAnalysis analysis = aero::analyseGlider(glider);
        benchmark::DoNotOptimize(analysis);
    }
}
BENCHMARK(BM_AnalyseLargestGlider)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
