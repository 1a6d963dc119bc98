#!/bin/sh
# Screenshots of every window under a virtual X display, at 96 dpi and at 2×
# scaling: tools/screenshots.sh [BUILD_DIR] [OUT_DIR]
# Needs xvfb-run (xvfb); the build folder must hold pelin_screenshots.
set -eu
build=${1:-build}
out=${2:-screenshots}
"$(command -v cmake)" --build "$build" --target pelin_screenshots >/dev/null
mkdir -p "$out/1x" "$out/2x"
xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 \
    "$build/tools/screenshots/pelin_screenshots" "$out/1x"
xvfb-run -a -s "-screen 0 2400x1800x24 -dpi 96" env QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=2 \
    "$build/tools/screenshots/pelin_screenshots" "$out/2x"
echo "screenshots in $out/1x and $out/2x"
