#!/usr/bin/env bash
# Builds every benchmark (bench/*_bench.cpp, built by the normal build when
# Google Benchmark is installed) and runs them one after another, then prints
# the figures as a markdown table. Not part of the test run.
#   scripts/bench.sh [extra benchmark arguments, e.g. --benchmark_filter=check]
# PICKWISE_BENCH_BUILD chooses the build folder (default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${PICKWISE_BENCH_BUILD:-build}"
OUT="$BUILD/bench-results"

targets=()
for source in bench/*_bench.cpp; do
    targets+=("$(basename "$source" .cpp)")
done

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! grep -q '^benchmark_DIR:PATH=/' "$BUILD/CMakeCache.txt"; then
    echo "Google Benchmark is not installed (libbenchmark-dev); nothing to run." >&2
    exit 1
fi
cmake --build "$BUILD" --target "${targets[@]}" -j"$(nproc)" >/dev/null

mkdir -p "$OUT"
rm -f "$OUT"/*.json
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
for target in "${targets[@]}"; do
    binary="$BUILD/bench/$target"
    if [ ! -x "$binary" ]; then
        echo "$target was not built (its libraries are left out of this build)" >&2
        continue
    fi
    echo "running $target" >&2
    "$binary" --benchmark_out="$OUT/$target.json" --benchmark_out_format=json \
        "$@" >"$OUT/$target.log" 2>&1 || { cat "$OUT/$target.log" >&2; exit 1; }
done

python3 - "$OUT" <<'PY'
import json, pathlib, sys

out = pathlib.Path(sys.argv[1])


def fmt(x):
    # Three figures, never an exponent.
    if x >= 100:
        return f"{x:,.0f}"
    return f"{x:.3g}" if x >= 0.001 else f"{x:.2e}"


print("| benchmark | wall time | CPU time | iterations | counters |")
print("|---|---:|---:|---:|---|")
for path in sorted(out.glob("*.json")):
    data = json.loads(path.read_text())
    for b in data["benchmarks"]:
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "mean":
            continue
        if "error_message" in b:
            print(f"| {path.stem}/{b['name']} | error: {b['error_message']} | | | |")
            continue
        unit = b["time_unit"]
        fixed = {"name", "family_index", "per_family_instance_index", "run_name", "run_type",
                 "repetitions", "repetition_index", "threads", "iterations", "real_time",
                 "cpu_time", "time_unit", "aggregate_name", "aggregate_unit"}
        counters = ", ".join(
            f"{k}={fmt(v)}"
            for k, v in b.items() if k not in fixed and isinstance(v, (int, float)))
        print(f"| {path.stem}/{b['name']} | {fmt(b['real_time'])} {unit} "
              f"| {fmt(b['cpu_time'])} {unit} | {b['iterations']} | {counters} |")
PY
