#!/usr/bin/env bash
# Regenerates Solvetra's artwork from the SVG sources in this folder: PNG files
# with alpha at 1x, 2x and 3x (Qt's "@2x"/"@3x" names) and the window icon sizes. Needs rsvg-convert (librsvg2-bin) and
# ImageMagick's convert.
# Set CONVERT to choose the convert binary (default: /usr/bin/convert if present).
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${CONVERT:-}" ]; then
    if [ -x /usr/bin/convert ]; then CONVERT=/usr/bin/convert; else CONVERT=convert; fi
fi
RSVG=${RSVG:-rsvg-convert}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# render SVG -> PNG at the given size
render() { "$RSVG" -w "$2" -h "$3" "$1" -o "$4"; }

# 1. PNG with alpha at 1x, 2x and 3x: sharp at 100 % to 300 % scaling, and no
# image plugin is needed to read them.
scaled_png() {
    local name=$1 width=$2 height=$3 scale
    for scale in 1 2 3; do
        local out="$name@${scale}x.png"
        [ "$scale" = 1 ] && out="$name.png"
        render "$name.svg" $((width * scale)) $((height * scale)) "$tmp/$out"
        "$CONVERT" "$tmp/$out" -strip -define png:exclude-chunks=date,time "$out"
    done
}
scaled_png triangle 482 259
scaled_png sage 93 146
for name in face-smile face-neutral face-laugh no-entry stopwatch; do
    scaled_png "$name" 32 32
done
# The pointer's hotspot scales with it: (2,2), (4,4), (6,6).
scaled_png pointer 32 32

# 2. window icon: the 64x64 design rendered at the sizes desktops ask for
for size in 16 24 32 48 64 128 192 256; do
    render tavola.svg "$size" "$size" "$tmp/tavola-$size.png"
    "$CONVERT" "$tmp/tavola-$size.png" -strip -define png:exclude-chunks=date,time "tavola-$size.png"
done

echo "artwork regenerated in $(pwd)"
