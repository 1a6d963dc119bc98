#!/bin/sh
# Renders the PNG files in assets/png from their SVG sources (assets/src): the
# program's icons at each size (bundled, and installed for the desktop) and the
# mascots as bitmaps, which the tests use as characters a user made. The
# program itself draws its pictures from the SVG files. Run after editing a
# drawing; needs rsvg-convert (librsvg2-bin).
set -eu
cd "$(dirname "$0")/../assets"
for name in mascot-blue mascot-pink; do rsvg-convert "src/$name.svg" -o "png/$name.png"; done
# The small icons come from a simpler drawing that stays readable at 16 pixels.
for size in 16 32; do rsvg-convert -w $size -h $size src/app-icon-small.svg -o "png/pelin-$size.png"; done
for size in 48 256; do rsvg-convert -w $size -h $size src/app-icon.svg -o "png/pelin-$size.png"; done
echo "rendered $(ls png | wc -l) pictures into assets/png"
