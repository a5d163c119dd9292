// The airfoil workshop without its window: a section from its equations to the simulator's
// file with full polars at the four default Reynolds numbers. NACA 2412 with all cores and
// with one process at a time (the parallel speed-up), three thin or highly cambered sections
// that stall hard at these Reynolds numbers, and the work around XFOIL alone (its share).
// Counters: xfoil_cpu_s is XFOIL's own processor time; wall_per_cpu_share is the wall time
// over (that time / cores), 1 when the cores never wait for anything else.
#include "aero/xfoil/foilbuilder.h"
#include "aero/xfoil/foilimport.h"
#include "formats/foilwriter.h"

#include <QCoreApplication>
#include <QThread>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <chrono>

namespace {

const char* const kSections[] = {"NACA 2412", "NACA 6409", "NACA 4402", "NACA 8412"};

// CPU seconds used so far by the ended child processes: XFOIL's own work, whatever else
// the shared machine is doing.
double childCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

std::string importFile(const FoilSource& source, const ImportOutcome& outcome) {
    FoilBuildOptions options;
    options.name = source.name;
    options.source = source.label;
    std::vector<std::string> header;
    const Foil foil = buildFoil(source.outline, outcome.used, options, XfoilSettings{}, &header);
    return foilFileText(foil, header);
}

void BM_ImportFullPolars(benchmark::State& state) {
    const FoilSource source = readFoilSource(kSections[state.range(0)]);
    XfoilSettings settings;
    settings.jobs = static_cast<int>(state.range(1));
    const int cores = settings.jobs > 0 ? settings.jobs : QThread::idealThreadCount();
    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double cpuBefore = childCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const ImportOutcome outcome = runImportBlocking(source, settings);
        if (outcome.used.empty()) {
            state.SkipWithError(outcome.failures.join(' ').toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(importFile(source, outcome));
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        cpu += childCpuSeconds() - cpuBefore;
    }
    state.SetLabel(kSections[state.range(0)]);
    state.counters["xfoil_cpu_s"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    state.counters["wall_per_cpu_share"] = cpu > 0 ? wall / (cpu / cores) : 0;
}
// Section index; 0 processes: as many as there are cores, 1: one after the other.
BENCHMARK(BM_ImportFullPolars)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({3, 0})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

// Everything but XFOIL: outline, repanelling, extension, file text (xfoilVersion included).
void BM_ImportNaca2412WithoutXfoil(benchmark::State& state) {
    const FoilSource source = readFoilSource("NACA 2412");
    const ImportOutcome outcome = runImportBlocking(source, XfoilSettings{});
    for (auto _ : state)
        benchmark::DoNotOptimize(importFile(source, outcome));
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
