#!/usr/bin/env bash
# Installs what is missing, builds the program and makes its Debian package,
# build/pickwise_<version>-1_<architecture>.deb, which installs it under /usr
# with its menu entry and icon:
#
#   sudo apt install ./build/pickwise_1.0.0-1_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target pickwise
cd build
cpack -G DEB
