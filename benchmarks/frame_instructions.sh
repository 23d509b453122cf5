#!/usr/bin/env bash
# Instructions of one whole redraw next to its floor (one blit of the
# background and a flip), counted by callgrind: unlike times, these hardly move
# from run to run on a shared machine. Prints figures; asserts nothing.
#
# usage: benchmarks/frame_instructions.sh [BUILD-DIR [FRAMES [DATA-DIR]]]
#        (defaults: build, 100 frames, data/)
# With SLIDIX_ANNOTATE=N it also prints the N costliest functions of each loop
# (their own instructions: SDL's blitters have no names, only addresses).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd) || exit 1
frames=${2:-100}
data=$(cd "${3:-$root/data}" && pwd) || exit 1
program="$build/benchmarks/frame_benchmark"
[ -x "$program" ] || { echo "no $program: build first (cmake --build $build)"; exit 1; }
command -v valgrind >/dev/null || { echo "valgrind is not installed"; exit 1; }

out=$(mktemp -d /tmp/slidix-callgrind-XXXXXX)
trap 'rm -rf "$out"' EXIT

# count LOOP FUNCTION: instructions inside FUNCTION's calls only (the warm-up
# frame and the start-up stay out), from callgrind's totals line.
count() {
    timeout 600 valgrind --tool=callgrind --collect-atstart=no --toggle-collect="$2" \
        --callgrind-out-file="$out/$1.out" "$program" --data="$data" --only="$1" --times="$frames" \
        >"$out/$1.log" 2>&1 || { echo "valgrind failed on the $1 loop:"; cat "$out/$1.log"; exit 1; }
    awk '/^totals:/ {print $2}' "$out/$1.out"
}

frame=$(count frame countedFrames)
floor=$(count floor countedFloors)
grep -v '^==' "$out/frame.log" | sed 's/^/  /'
awk -v n="$frames" -v a="$frame" -v b="$floor" 'BEGIN {
    printf "one frame: %.0f instructions; its floor: %.0f; ratio %.2f (goal: at most 1.5)\n", a / n, b / n, a / b }'

if [ "${SLIDIX_ANNOTATE:-0}" -gt 0 ] 2>/dev/null; then
    for loop in frame floor; do
        echo
        echo "the $loop loop, $frames times: the costliest functions by their own instructions"
        callgrind_annotate --threshold=100 "$out/$loop.out" 2>/dev/null |
            sed -n '/file:function/,$p' | sed -n "3,$((SLIDIX_ANNOTATE + 2))p"
    done
fi
