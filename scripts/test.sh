#!/usr/bin/env bash
# Installs what is missing, builds the game and its tests, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/setup.sh"

need_packages "${build_packages[@]}" libgtest-dev libbenchmark-dev xvfb xdotool imagemagick \
    desktop-file-utils appstream dpkg-dev file binutils-mingw-w64-x86-64 valgrind zlib1g-dev
build_game "$root/build" -DBUILD_TESTING=ON
ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"

# The in-process suites once more, under AddressSanitizer and UndefinedBehaviorSanitizer.
build_game "$root/build-sanitize" -DBUILD_TESTING=ON -DSLIDIX_SANITIZE=ON
ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$(nproc)" -L unit
