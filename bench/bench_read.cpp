// Glider files: reading a sample glider with its airfoils and a generated 1 MB file with
// 20,000 comment lines and a long coord block (bytes per second compare per-byte costs),
// and writing each sample glider as a save does.
#include "formats/gliderfile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace fs = std::filesystem;

struct Fixture {
    std::string simulatorDir;
    std::string glider;
};

// The sample directory once it holds gliders, else the tests' own small simulator.
Fixture smallGlider() {
    const std::string sample = std::string(KESH_SOURCE_DIR) + "/sample";
    if (fs::exists(sample + "/gliders/Harle/Harle.gli"))
        return {sample, sample + "/gliders/Harle/Harle.gli"};
    const std::string tests = std::string(KESH_SOURCE_DIR) + "/tests/formats/data/sim";
    return {tests, tests + "/gliders/Tiny/tiny.gli"};
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// Bytes one read goes through: the glider file and every airfoil it loads.
std::int64_t bytesPerRead(const Fixture& fixture) {
    Glider glider;
    readGlider(glider, fixture.glider, fixture.simulatorDir);
    auto bytes = static_cast<std::int64_t>(fs::file_size(fixture.glider));
    for (const Surface& s : glider.surfaces) {
        if (!s.foil.foilPath.empty())
            bytes += static_cast<std::int64_t>(fs::file_size(s.foil.foilPath));
    }
    return bytes;
}

// The small glider grown to about 1 MB: comment lines spread between its lines and a
// coord block of thousands of sections.
std::string largeGliderText(const std::string& small) {
    std::string coord = "coord =\"";
    for (int i = 0; coord.size() < 480000; ++i)
        coord += "\r\n" + std::to_string(i * 0.001) + "\t-0.0125\t0.3125\t0.28125";
    coord += "\"";

    std::istringstream lines(small);
    std::string out;
    std::string line;
    int comments = 0;
    while (std::getline(lines, line)) {
        if (line.rfind("coord", 0) == 0) {
            out += coord + "\r\n";
            while (line.find('"', 8) == std::string::npos && std::getline(lines, line)) {
            }
            continue;
        }
        out += line + "\n";
        for (int k = 0; k < 200 && comments < 20000; ++k, ++comments)
            out += "   // padding comment " + std::to_string(comments) + "\r\n";
    }
    for (; comments < 20000; ++comments)
        out += "// padding comment " + std::to_string(comments) + "\r\n";
    return out;
}

void readLoop(benchmark::State& state, const Fixture& fixture) {
    for (auto _ : state) {
        Glider glider;
        readGlider(glider, fixture.glider, fixture.simulatorDir);
        benchmark::DoNotOptimize(glider.body.sections.data());
    }
    state.SetBytesProcessed(state.iterations() * bytesPerRead(fixture));
}

void BM_ReadSampleGlider(benchmark::State& state) {
    readLoop(state, smallGlider());
}

void BM_ReadOneMegabyteGlider(benchmark::State& state) {
    const Fixture small = smallGlider();
    std::string dir = (fs::temp_directory_path() / "kesh-bench-XXXXXX").string();
    if (!::mkdtemp(dir.data())) {
        state.SkipWithError("no temporary directory");
        return;
    }
    const Fixture large{small.simulatorDir, dir + "/large.gli"};
    std::ofstream(large.glider, std::ios::binary) << largeGliderText(fileText(small.glider));
    state.counters["file_bytes"] = static_cast<double>(fs::file_size(large.glider));
    Glider check;
    readGlider(check, large.glider, large.simulatorDir);
    state.counters["sections"] = static_cast<double>(check.body.sections.size());
    readLoop(state, large);
    fs::remove_all(dir);
}

// Reading and saving each sample glider, the save going through its temporary file.
void BM_ReadAndSaveSampleGlider(benchmark::State& state, const char* name) {
    const std::string sample = std::string(KESH_SOURCE_DIR) + "/sample";
    const std::string path = sample + "/gliders/" + name + "/" + name + ".gli";
    std::string dir = (fs::temp_directory_path() / "kesh-bench-XXXXXX").string();
    if (!fs::exists(path) || !::mkdtemp(dir.data())) {
        state.SkipWithError("no sample glider or no temporary directory");
        return;
    }
    fs::create_directories(dir + "/gliders");
    for (auto _ : state) {
        Glider glider;
        readGlider(glider, path, sample);
        benchmark::DoNotOptimize(writeGlider(glider, dir + "/vantair.ini", "bench.gli"));
    }
    state.SetBytesProcessed(state.iterations() * 2 *
                            static_cast<std::int64_t>(fs::file_size(path)));
    fs::remove_all(dir);
}

} // namespace

BENCHMARK_CAPTURE(BM_ReadAndSaveSampleGlider, Pipit, "Pipit")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadAndSaveSampleGlider, Harle, "Harle")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadAndSaveSampleGlider, Martinet, "Martinet")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ReadAndSaveSampleGlider, Mouette, "Mouette")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadSampleGlider)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadOneMegabyteGlider)->Unit(benchmark::kMillisecond);
