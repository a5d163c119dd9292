// The airfoil workshop without its window: a NACA 2412 from its equations to the simulator's
// file with full polars at the four default Reynolds numbers. Run with all cores and with one
// process at a time (the parallel speed-up), and the work around XFOIL alone (its share).
#include "aero/naca.h"
#include "aero/repanel.h"
#include "aero/xfoil/foilbuilder.h"
#include "aero/xfoil/xfoilbatch.h"
#include "formats/foilwriter.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

std::vector<XfoilRun> runs(int jobs) {
    XfoilSettings settings;
    settings.jobs = jobs;
    return runXfoilBlocking(repanel(nacaOutline("NACA 2412"), 160), settings);
}

std::string importNaca2412(const std::vector<XfoilRun>& computed) {
    const Outline outline = nacaOutline("NACA 2412");
    FoilBuildOptions options;
    options.name = "NACA 2412";
    options.source = "NACA2412";
    std::vector<std::string> header;
    const Foil foil = buildFoil(outline, computed, options, XfoilSettings{}, &header);
    return foilFileText(foil, header);
}

void BM_ImportNaca2412FullPolars(benchmark::State& state) {
    const int jobs = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const std::vector<XfoilRun> computed = runs(jobs);
        for (const XfoilRun& run : computed) {
            if (!run.ok) {
                state.SkipWithError(run.error.toStdString().c_str());
                return;
            }
        }
        benchmark::DoNotOptimize(importNaca2412(computed));
    }
}
// 0: as many processes as there are cores; 1: one after the other.
BENCHMARK(BM_ImportNaca2412FullPolars)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Everything but XFOIL: outline, repanelling, extension, file text (xfoilVersion included).
void BM_ImportNaca2412WithoutXfoil(benchmark::State& state) {
    const std::vector<XfoilRun> computed = runs(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(importNaca2412(computed));
}
BENCHMARK(BM_ImportNaca2412WithoutXfoil)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
