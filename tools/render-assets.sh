#!/bin/sh
# Renders the PNG files in assets/png from their SVG sources (assets/src): the
# program's icons at each size (bundled, and installed for the desktop) and the
# mascots as bitmaps, which the tests use as characters a user made. The Qt
# program draws its pictures from the SVG files; the Windows program, whose
# picture decoder reads no SVG, bundles them rendered for screens of 100, 150
# and 200 % (png/bundled/NAME-PERCENT.png). Run after editing a drawing; needs
# rsvg-convert (librsvg2-bin).
set -eu
cd "$(dirname "$0")/../assets"
for name in mascot-blue mascot-pink; do rsvg-convert "src/$name.svg" -o "png/$name.png"; done
# The small icons come from a simpler drawing that stays readable at 16 pixels.
for size in 16 32; do rsvg-convert -w $size -h $size src/app-icon-small.svg -o "png/pelin-$size.png"; done
for size in 48 256; do rsvg-convert -w $size -h $size src/app-icon.svg -o "png/pelin-$size.png"; done
mkdir -p png/bundled
for name in mascot-blue mascot-pink menu-open menu-readme menu-character menu-version hint-ie4 pointer; do
    for scale in 100:1 150:1.5 200:2; do
        rsvg-convert -z "${scale#*:}" "src/$name.svg" -o "png/bundled/$name-${scale%:*}.png"
    done
done
echo "rendered $(find png -name "*.png" | wc -l) pictures into assets/png"
