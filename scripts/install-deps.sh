#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
set -euo pipefail

packages=(
    build-essential cmake git pkg-config ccache
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libglx-dev libopengl-dev qt6-qpa-plugins
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    clang-14 libclang-rt-14-dev
    cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
    xvfb xauth imagemagick fonts-dejavu-core fonts-liberation
    locales
    dpkg-dev file desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if ((${#missing[@]})); then
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq
    $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number tests also run under a locale whose decimal separator is a comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    if ! grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
        echo 'de_DE.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    fi
    $SUDO locale-gen
fi
