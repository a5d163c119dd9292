// The whole flight analysis of the largest glider the file format allows (five surfaces of
// ten panes, 200 body sections, every airfoil with four polars of 61 rows) and of each
// sample glider, at the lattice's default grid; the lattice alone at finer grids.
#include "aero/flightanalysis.h"
#include "aero/gliderlattice.h"
#include "formats/gliderfile.h"

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

const char* const kSamples[] = {"Pipit", "Harle", "Martinet", "Mouette"};

void BM_AnalyseSampleGlider(benchmark::State& state) {
    const std::string sim = std::string(KESH_SOURCE_DIR) + "/sample";
    const std::string name = kSamples[state.range(0)];
    Glider glider;
    readGlider(glider, sim + "/gliders/" + name + "/" + name + ".gli", sim);
    const aero::FlightAnalysis first = aero::analyseGlider(glider);
    if (!first.stable() || !first.flight()) {
        state.SkipWithError("the sample has no analysis");
        return;
    }
    state.SetLabel(name);
    state.counters["panels"] = first.stable()->panelCount;
    for (auto _ : state) {
        aero::FlightAnalysis analysis = aero::analyseGlider(glider);
        benchmark::DoNotOptimize(analysis);
    }
}
BENCHMARK(BM_AnalyseSampleGlider)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// The lattice of the largest glider alone (geometry, solve, Trefftz plane, fuselage), by
// spanwise strips of a wing half and chordwise panels.
void BM_LatticeOfLargestGlider(benchmark::State& state) {
    const Glider glider = largestGlider();
    const aero::Planform wing = *aero::planformOf(glider, aero::Part::Wing);
    const aero::LatticeSettings settings{{int(state.range(0)), int(state.range(1))}, true};
    const double centre = -double(glider.centrum[0]);
    const auto first = aero::gliderLattice(glider, wing, centre, settings);
    if (!first) {
        state.SkipWithError("no lattice");
        return;
    }
    state.counters["panels"] = first->lattice.panelCount();
    for (auto _ : state) {
        auto lattice = aero::gliderLattice(glider, wing, centre, settings);
        benchmark::DoNotOptimize(lattice);
    }
}
BENCHMARK(BM_LatticeOfLargestGlider)
    ->Args({12, 4})
    ->Args({12, 8})
    ->Args({16, 6})
    ->Args({24, 8})
    ->Args({48, 8})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
