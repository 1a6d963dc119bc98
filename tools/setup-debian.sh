#!/usr/bin/env bash
# Installs, on Debian 12, the packages that building, running and testing Pelin
# on Linux need, and any further packages named on the command line
# (tools/setup-ci.sh names those of CI's other stages); only what is missing,
# without questions, showing what apt does. Needs root (or sudo).
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  googletest libgtest-dev libgmock-dev
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libgl-dev
  qt6-translations-l10n
  xvfb xauth fonts-noto-cjk file
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing what Pelin needs and this machine lacks: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y --no-install-recommends "${missing[@]}"
