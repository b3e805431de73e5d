#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 and runs each for the given number
# of seconds (default 60). Findings are written to fuzz/findings/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-60}"
BUILD="${PICKWISE_FUZZ_BUILD:-build/fuzz}"

PICKWISE_FUZZ_BUILD="$BUILD" scripts/build-fuzzers.sh

status=0
for fuzzer in "$BUILD"/fuzzers/*_fuzz; do
    name="$(basename "$fuzzer")"
    corpus="$BUILD/corpus/$name"
    findings="fuzz/findings/$name"
    mkdir -p "$corpus" "$findings"
    if [ -d "fuzz/seeds/$name" ]; then cp -n fuzz/seeds/"$name"/* "$corpus"/ 2>/dev/null || true; fi
    echo "fuzzing $name for ${SECONDS_EACH}s"
    if ! "$fuzzer" -max_total_time="$SECONDS_EACH" -artifact_prefix="$findings/" \
        -print_final_stats=1 "$corpus" >"$BUILD/$name.log" 2>&1; then
        echo "FINDING in $name: see $BUILD/$name.log and $findings/"
        tail -30 "$BUILD/$name.log"
        status=1
    else
        grep -E "stat::number_of_executed_units" "$BUILD/$name.log" || true
    fi
done
exit $status
