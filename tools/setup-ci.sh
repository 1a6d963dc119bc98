#!/usr/bin/env bash
# Installs what CI needs beyond building and testing on Linux: clang and its
# run-time libraries (the fuzz targets), clang-format (the formatting check),
# lintian and appstream (the package check), and MinGW-w64 and Wine (the
# Windows stage, with xdotool to drive pelin.exe's windows there), and strace
# (a test that only a trace can check). Needs root (or sudo).
set -euo pipefail
exec "$(dirname "$0")/setup-debian.sh" \
  clang libclang-rt-dev clang-format \
  lintian appstream \
  g++-mingw-w64-x86-64-posix wine64 xdotool unzip \
  strace \
  "$@"
