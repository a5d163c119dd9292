#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs one (or all) for a given time.
#   scripts/fuzz.sh [keyedtext|foilfile|gliderfile|roundtrip|coordinates|paccfile|all] [seconds]
# New inputs go to build-fuzz/corpus/<target>; crashes to build-fuzz/findings/<target>.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
target="${1:-all}"
seconds="${2:-60}"
build="$root/build-fuzz"
command -v clang++ >/dev/null || { echo "clang++ is needed (apt-get install clang libclang-rt-14-dev)"; exit 2; }
CXX=clang++ cmake -S "$root/fuzz" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)"

seed() {
    local name="$1" dir="$build/corpus/$1"
    mkdir -p "$dir"
    case "$name" in
    foilfile) cp -n "$root"/sample/airfoils/*.txt "$root"/tests/formats/data/sim/airfoils/*.txt "$dir"/ ;;
    coordinates) cp -n "$root"/tests/formats/data/coordinates/*.dat "$dir"/ ;;
    paccfile) cp -n "$root"/fuzz/seeds/pacc.txt "$dir"/ ;;
    *) find "$root/sample/gliders" "$root/tests" -name '*.gli' -exec cp -n {} "$dir"/ \; ;;
    esac
    # Inputs that once failed stay in every corpus.
    case "$name" in
    coordinates | paccfile) ;;
    *) cp -n "$root"/fuzz/regressions/* "$dir"/ 2>/dev/null || true ;;
    esac
    if [ "$name" = keyedtext ]; then
        cp -n "$root"/sample/airfoils/*.txt "$dir"/
    fi
}

# A frozen copy of the sample airfoils for the readers to load, made once so that runs
# started side by side never see it half copied.
if [ ! -d "$build/sim/airfoils" ]; then
    mkdir -p "$build/sim/gliders" && cp -r "$root/sample/airfoils" "$build/sim/"
fi
export KESH_FUZZ_SIM="$build/sim"

run() {
    local name="$1"
    seed "$name"
    mkdir -p "$build/findings/$name"
    echo "== $name for ${seconds}s"
    # The section and key names only help the readers of keyed text.
    local dict=(-dict="$root/fuzz/keyed.dict")
    case "$name" in coordinates | paccfile) dict=() ;; esac
    ASAN_OPTIONS=detect_leaks=1 "$build/fuzz_$name" "$build/corpus/$name" \
        "${dict[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -max_len=65536 -artifact_prefix="$build/findings/$name/" -print_final_stats=1
}

if [ "$target" = all ]; then
    for t in keyedtext foilfile gliderfile roundtrip coordinates paccfile; do run "$t"; done
else
    run "$target"
fi
