#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/setup.sh"

need_packages "${build_packages[@]}" libgtest-dev libbenchmark-dev xvfb xdotool imagemagick \
    desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64
build_game -DBUILD_TESTING=ON
cd "$root/build"
ctest --output-on-failure -j "$(nproc)"
