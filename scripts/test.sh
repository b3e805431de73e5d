#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the rule and
# window tests, the printing tests on a real CUPS PDF queue, and each fuzzer for
# a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
# A print scheduler of the tests' own (see scripts/ensure-cups-queue.sh) is
# found by the printing tests through CUPS_SERVER.
if [ -n "${PICKWISE_CUPS_PORT:-}" ]; then export CUPS_SERVER="localhost:$PICKWISE_CUPS_PORT"; fi
scripts/install-deps.sh
scripts/ensure-cups-queue.sh

# The fuzzers need clang; build them first so the test run can include them.
PICKWISE_FUZZ_BUILD=build/fuzz scripts/build-fuzzers.sh

scripts/build.sh -DPICKWISE_FUZZ_DIR="$PWD/build/fuzz/fuzzers"
cd build
ctest --output-on-failure --timeout 900
