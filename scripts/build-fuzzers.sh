#!/usr/bin/env bash
# Builds the libFuzzer targets with clang-14 into build/fuzz/fuzzers/.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD="${PICKWISE_FUZZ_BUILD:-build/fuzz}"
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DPICKWISE_BUILD_FUZZ=ON \
    -DPICKWISE_BUILD_TESTS=OFF -DPICKWISE_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" --target fuzzers -j"$(nproc)" >/dev/null
