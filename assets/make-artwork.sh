#!/usr/bin/env bash
# Regenerates Solvetra's artwork from the SVG sources in this folder: PNG files
# with alpha at 1x, 2x and 3x (Qt's "@2x"/"@3x" names, picked by QIcon on scaled
# screens), window icon sizes, and the older GIF/ICO files still in use. Needs rsvg-convert (librsvg2-bin) and ImageMagick's convert.
# Set CONVERT to choose the convert binary (default: /usr/bin/convert if present).
set -euo pipefail
cd "$(dirname "$0")"

if [ -z "${CONVERT:-}" ]; then
    if [ -x /usr/bin/convert ]; then CONVERT=/usr/bin/convert; else CONVERT=convert; fi
fi
RSVG=${RSVG:-rsvg-convert}
BG='#FFFFC0'   # window background of the quiz

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# render SVG -> PNG at the given size
render() { "$RSVG" -w "$2" -h "$3" "$1" -o "$4"; }

# Make the alpha channel binary (for ICO masks and the pointer), keeping the
# fully transparent pixels black so the classic AND/XOR icon masks stay clean.
binary_alpha() {
    "$CONVERT" "$1" -channel A -threshold 50% +channel \
        -background black -alpha background "$2"
}

# GIF whose single transparent colour is the window background: every pixel the
# drawing touches at all becomes opaque, its colour pre-blended onto $BG, so no
# dark halo appears around the picture on the quiz window.
gif_on_bg() {
    local src=$1 out=$2 colors=$3
    "$CONVERT" "$src" \( +clone -alpha extract -threshold 0 \) \
        \( "$src" -background "$BG" -flatten \) -delete 0 +swap \
        -alpha off -compose CopyOpacity -composite \
        +dither -colors "$colors" -transparent-color "$BG" "$out"
}

# 1. triangle: crisp edges, drawn exactly on pixels, 482x259
render triangle.svg 482 259 "$tmp/triangle.png"
"$CONVERT" "$tmp/triangle.png" -background "$BG" -flatten \
    -transparent-color "$BG" -transparent "$BG" triangle.gif

# 2. the geometer, 93x146
render sage.svg 93 146 "$tmp/sage.png"
gif_on_bg "$tmp/sage.png" sage.gif 255

# 3. 16-colour icons, 32x32 + 16x16
for name in face-smile face-neutral face-laugh no-entry stopwatch; do
    for size in 32 16; do
        render "$name.svg" "$size" "$size" "$tmp/$name-$size-raw.png"
        binary_alpha "$tmp/$name-$size-raw.png" "$tmp/$name-$size.png"
    done
    "$CONVERT" "$tmp/$name-32.png" "$tmp/$name-16.png" +dither -colors 16 "$name.ico"
done

# 4. window icon, 64x64, 256 colours
render tavola.svg 64 64 "$tmp/tavola-raw.png"
binary_alpha "$tmp/tavola-raw.png" "$tmp/tavola.png"
"$CONVERT" "$tmp/tavola.png" +dither -colors 256 tavola.ico

# 5. mouse pointer icon, 32x32, 256 colours (hotspot: tip of the nose, pixel 2,2)
render pointer.svg 32 32 "$tmp/pointer-raw.png"
binary_alpha "$tmp/pointer-raw.png" "$tmp/pointer.png"
"$CONVERT" "$tmp/pointer.png" +dither -colors 256 pointer.ico

# 6. PNG with alpha at 1x, 2x and 3x: sharp at 100 % to 300 % scaling, and no
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

# 7. window icon: the 64x64 design rendered at the sizes desktops ask for
for size in 16 24 32 48 64 128 192 256; do
    render tavola.svg "$size" "$size" "$tmp/tavola-$size.png"
    "$CONVERT" "$tmp/tavola-$size.png" -strip -define png:exclude-chunks=date,time "tavola-$size.png"
done

echo "artwork regenerated in $(pwd)"
