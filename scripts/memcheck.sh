#!/usr/bin/env bash
# Runs every test (the window tests and the rule tests) once under
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, in its own
# build folder (default build/asan). Leaks inside Qt, fontconfig and the other
# system libraries are suppressed by scripts/lsan.supp; anything left is the
# program's. Not part of the normal test run.
#   scripts/memcheck.sh [ctest arguments, e.g. -R windows]
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT="$PWD"
BUILD="${PICKWISE_ASAN_BUILD:-build/asan}"
FLAGS="-O1 -g -fsanitize=address,undefined -fno-omit-frame-pointer"

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$FLAGS" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DPICKWISE_BUILD_BENCH=OFF \
    -DPICKWISE_FUZZ_DIR= >/dev/null
cmake --build "$BUILD" -j"$(nproc)" >/dev/null

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:detect_stack_use_after_return=1:strict_string_checks=1"
export LSAN_OPTIONS="suppressions=$ROOT/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$BUILD"
ctest --output-on-failure --timeout 1800 "$@"
