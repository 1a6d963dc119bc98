#!/bin/sh
# Renders the program's pictures from their SVG sources (assets/src) to the PNG
# files the build bundles (assets/png). Run after editing a picture; needs
# rsvg-convert (librsvg2-bin).
set -eu
cd "$(dirname "$0")/../assets"
for name in mascot-blue mascot-pink menu-open menu-readme menu-character menu-version pointer hint-ie4; do
    rsvg-convert "src/$name.svg" -o "png/$name.png"
done
# The small icons come from a simpler drawing that stays readable at 16 pixels.
for size in 16 32; do rsvg-convert -w $size -h $size src/app-icon-small.svg -o "png/pelin-$size.png"; done
for size in 48 256; do rsvg-convert -w $size -h $size src/app-icon.svg -o "png/pelin-$size.png"; done
echo "rendered $(ls png | wc -l) pictures into assets/png"
