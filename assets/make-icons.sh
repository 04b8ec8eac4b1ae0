#!/usr/bin/env bash
# Renders the application icon for the desktop's hicolor theme from
# solvetra-icon.svg: the SVG itself is the scalable icon, and PNGs at the
# fixed sizes serve desktops that do not draw SVG icons.
# Needs rsvg-convert (librsvg2-bin). The output is the same on every run.
set -euo pipefail
cd "$(dirname "$0")"

id=example.solvetra.solvetra
RSVG=${RSVG:-rsvg-convert}

for size in 16 22 24 32 48 64 128 256; do
    dir=hicolor/${size}x${size}/apps
    mkdir -p "$dir"
    "$RSVG" -w "$size" -h "$size" solvetra-icon.svg -o "$dir/$id.png"
    # The teacher's entry: the same icon with a mark of its own.
    "$RSVG" -w "$size" -h "$size" solvetra-teacher-icon.svg -o "$dir/$id-teacher.png"
done
echo "hicolor icons rendered in $(pwd)/hicolor"
