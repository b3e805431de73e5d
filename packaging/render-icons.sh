#!/usr/bin/env bash
# Renders the program's icon, packaging/icons/za.pickwise.Pickwise.svg, into the
# PNG sizes desktops look up (packaging/icons/hicolor/<n>x<n>/apps/). The PNGs
# are committed, so building and packaging need no SVG renderer; run this after
# changing the SVG and commit the PNGs with it. rsvg-convert writes the same
# bytes for the same SVG, so an unchanged icon leaves git with nothing to commit.
#
#   packaging/render-icons.sh        (needs rsvg-convert: apt-get install librsvg2-bin)
set -euo pipefail
cd "$(dirname "$0")/icons"

if ! command -v rsvg-convert >/dev/null; then
    echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
    exit 2
fi

name=za.pickwise.Pickwise
for size in 16 24 32 48 64 128 256 512; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" --format png \
        --output "hicolor/${size}x${size}/apps/$name.png" "$name.svg"
done
