#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ and runs it under Xvfb. Any sanitizer report fails the run.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
build="${KESH_ASAN_BUILD_DIR:-$root/build-asan}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DKESH_SANITIZE=ON -DKESH_BUILD_BENCH=OFF \
    -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" >/dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
# Qt and Mesa keep allocations until exit that LeakSanitizer would report as leaks; the
# readers and the model are checked for leaks by the fuzz targets instead.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j"$(nproc)"
