#!/usr/bin/env bash
# Installs every Debian package the project needs to build, test and run.
# Usage: scripts/install-deps.sh   (as root, on Debian 12)
set -euo pipefail
packages=(
  build-essential cmake ninja-build pkg-config git clang clang-format libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libjpeg62-turbo-dev
  ffmpeg sox espeak-ng
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsdl2-dev
  xvfb xauth imagemagick
  # the package: icons rendered from the SVG, desktop entry and file type checks, the man pages,
  # the .deb's dependencies read from the linked libraries
  librsvg2-bin desktop-file-utils shared-mime-info libxml2-utils groff-base dpkg-dev file
  # the windows' translations, and fonts for Chinese, Japanese and Korean
  qt6-l10n-tools qt6-tools-dev fonts-noto-cjk
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update
  apt-get install -y --no-install-recommends "${missing[@]}"
fi
