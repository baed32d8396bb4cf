#!/usr/bin/env bash
# Renders the PNG icons in icons/ from the SVG. Run it after changing the SVG and commit
# the result (rsvg-convert comes with librsvg2-bin); the build installs the committed
# files and needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" io.github.quorvel.Quorvel.svg \
        --output "icons/quorvel-$size.png"
done
