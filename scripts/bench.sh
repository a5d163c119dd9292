#!/usr/bin/env bash
# Runs the benchmark suite (under Xvfb for the drawing and the editor) and checks each goal
# against the report. Benchmarks are never part of the tests.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KESH_BUILD_DIR:-$root/build}"
out="${KESH_BENCH_OUT:-$build/bench-results}"
"$root/scripts/build.sh" >/dev/null
mkdir -p "$out"
for b in read render shell xfoil; do
    echo "== kesh-bench-$b"
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$build/bench/kesh-bench-$b" \
        --benchmark_repetitions="${KESH_BENCH_REPETITIONS:-5}" --benchmark_report_aggregates_only=true \
        --benchmark_out="$out/$b.json" --benchmark_out_format=json
done
python3 "$root/scripts/check-bench-goals.py" "$out"
