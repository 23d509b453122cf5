#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it with its data files.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/scripts/setup.sh"

need_packages "${build_packages[@]}"
build_game "$root/build" -DBUILD_TESTING=OFF
# The game reads its pictures and its font from the working directory.
cd "$root/data"
exec "$root/build/slidix"
