# Shared set-up of the window benchmarks, sourced with the build directory as
# its argument (default build/): the game and data that tests/window/lib.sh
# drives, a check that the build made what a benchmark needs, and lib.sh itself.
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || exit 1
export SLIDIX="$build/slidix" XCLOSE="$build/tests/xclose" DATA_DIR="${SLIDIX_DATA_DIR:-$root/data}"

# need FILE...: stops unless the build has made each file.
need() {
    local file
    for file in "$@"; do
        [ -e "$file" ] || { echo "no $file: build first (cmake --build $build)"; exit 1; }
    done
}

# shellcheck source=../../tests/window/lib.sh
. "$root/tests/window/lib.sh"
