#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

// The readers take paths, so each input is written to a file of this process's own.
inline std::string writeInputFile(const char* stem, const std::uint8_t* data, std::size_t size) {
    const std::string path =
        "/tmp/kesh-fuzz-" + std::string(stem) + "-" + std::to_string(::getpid()) + ".txt";
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        if (size > 0)
            std::fwrite(data, 1, size, file);
        std::fclose(file);
    }
    return path;
}

// A copy of the sample airfoils made by scripts/fuzz.sh, so edits to sample/ during a
// run cannot pass for findings; the sample directory itself otherwise.
inline const std::string& fuzzSimulatorDirectory() {
    static const std::string directory = [] {
        const char* copy = std::getenv("KESH_FUZZ_SIM");
        return copy ? std::string(copy) : std::string(KESH_SOURCE_DIR) + "/sample";
    }();
    return directory;
}
