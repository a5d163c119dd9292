#!/usr/bin/env python3
"""Checks the benchmark report against the speed goals; exits 1 when one is missed."""
import json
import pathlib
import sys

UNITS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def medians(directory):
    found = {}
    for path in pathlib.Path(directory).glob("*.json"):
        for run in json.loads(path.read_text())["benchmarks"]:
            if run.get("aggregate_name") != "median":
                continue
            name = run["run_name"]
            found[name] = {
                "ms": run["real_time"] * UNITS[run["time_unit"]],
                "bytes_per_second": run.get("bytes_per_second"),
                "extra_MB": run.get("extra_MB"),
            }
    return found


def main():
    results = medians(sys.argv[1])
    goals = [
        ("BM_ReadOneMegabyteGlider", "1 MB glider file read", 50.0),
        ("BM_BuildDisplayList", "display list of the largest glider", 10.0),
        ("BM_DrawFrame", "one 800x600 frame of the largest glider", 16.0),
        ("BM_StartupToFirstPaint", "start-up to the first painted main window", 1000.0),
        ("BM_OpenGliderToFirstPaintedView", "opening a sample glider to its first frame", 250.0),
        ("BM_ImportNaca2412FullPolars/0", "NACA 2412 with polars at four Reynolds numbers", 4000.0),
        ("BM_AnalyseLargestGlider", "flight analysis of the largest glider", 20.0),
        ("BM_AnalyseSampleGlider", "flight analysis of each sample glider", 50.0),
        ("BM_ApplyChordFourViews", "Appliquer of one chord to four views repainted", 16.0),
        ("BM_UndoApply", "undo of that step to four views repainted", 16.0),
        ("BM_RedoApply", "redo of that step to four views repainted", 16.0),
    ]
    missed = 0
    for prefix, what, limit in goals:
        runs = [r for name, r in results.items() if name.startswith(prefix)]
        if not runs:
            print(f"MISSING  {what}: no result for {prefix}")
            missed += 1
            continue
        ms = max(r["ms"] for r in runs)
        ok = ms < limit
        missed += not ok
        print(f"{'ok' if ok else 'MISSED':8} {what}: {ms:.2f} ms (goal under {limit:g} ms)")
    steps = [r["extra_MB"] for name, r in results.items()
             if name.startswith("BM_ThousandUndoSteps") and r["extra_MB"] is not None]
    if steps:
        ok = max(steps) < 50.0
        missed += not ok
        print(f"{'ok' if ok else 'MISSED':8} memory of 1,000 undo steps on the largest glider: "
              f"{max(steps):.1f} MB (goal under 50 MB)")
    else:
        print("MISSING  memory of 1,000 undo steps: no result for BM_ThousandUndoSteps")
        missed += 1
    small = results.get("BM_ReadSampleGlider", {}).get("bytes_per_second")
    large = results.get("BM_ReadOneMegabyteGlider", {}).get("bytes_per_second")
    if small and large:
        ratio = small / large
        ok = ratio <= 3.0
        missed += not ok
        print(f"{'ok' if ok else 'MISSED':8} per-byte cost of the 1 MB file: {ratio:.2f}x the "
              "sample's (goal within 3x)")
    else:
        print("MISSING  per-byte comparison of the readers")
        missed += 1
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
