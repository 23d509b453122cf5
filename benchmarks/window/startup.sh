#!/usr/bin/env bash
# Start-up of the game under Xvfb, from execve until it first waits for an event
# (its first board is then ready to be drawn), next to a minimal SDL program that
# opens, paints and flips a 640 x 480 window: medians of interleaved runs, and
# callgrind's instruction counts to the same mark. Prints figures; asserts nothing.
#
# usage: benchmarks/window/startup.sh [BUILD-DIR [RUNS]]   (defaults: build, 15)
# With SLIDIX_ANNOTATE=N it also prints the N costliest functions (inclusive)
# of each program's start-up.
#
# The mark is libstartup_mark.so, preloaded: the first SDL_PumpEvents or
# SDL_WaitEvent call writes the time since the launcher's execve and ends the
# process there, so the figure is the start-up alone.
set -u
. "$(dirname "$0")/common.sh" "${1:-}"
runs=${2:-15}
mark_lib="$build/benchmarks/libstartup_mark.so"
launch="$build/benchmarks/launch"
minimal="$build/benchmarks/minimal_sdl"
need "$SLIDIX" "$mark_lib" "$launch" "$minimal"

start_x
dir=$(new_workdir startup)

# started PROGRAM: one start of PROGRAM in the scratch data directory; prints
# the nanoseconds from its execve to its first wait (nothing if it never got there).
started() {
    local mark="$tmp/mark"
    rm -f "$mark"
    (cd "$dir" && STARTUP_MARK_FILE="$mark" LD_PRELOAD="$mark_lib" timeout 30 "$launch" "$1" >/dev/null 2>&1)
    [ -s "$mark" ] && cat "$mark"
}

# median: of the numbers on standard input, one a line.
median() {
    sort -n | awk '{v[NR] = $1} END {
        if (NR == 0) { print "nan"; exit }
        print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One start of each, not counted: the files and libraries are then in the page cache.
started "$SLIDIX" >/dev/null
started "$minimal" >/dev/null
: >"$tmp/game.ns"
: >"$tmp/minimal.ns"
for i in $(seq "$runs"); do
    # Alternating which goes first, so that neither always follows the other.
    if [ $((i % 2)) = 1 ]; then
        started "$SLIDIX" >>"$tmp/game.ns"
        started "$minimal" >>"$tmp/minimal.ns"
    else
        started "$minimal" >>"$tmp/minimal.ns"
        started "$SLIDIX" >>"$tmp/game.ns"
    fi
done
game=$(median <"$tmp/game.ns")
floor=$(median <"$tmp/minimal.ns")
range() { sort -n "$1" | awk 'NR == 1 {lo = $1} {hi = $1} END {printf "%.2f to %.2f ms", lo / 1e6, hi / 1e6}'; }
echo "start-up to the first wait, median of $(wc -l <"$tmp/game.ns") and $(wc -l <"$tmp/minimal.ns") interleaved runs:"
echo "  game:                $(awk -v t="$game" 'BEGIN {printf "%.2f ms", t / 1e6}') ($(range "$tmp/game.ns"))"
echo "  minimal SDL program: $(awk -v t="$floor" 'BEGIN {printf "%.2f ms", t / 1e6}') ($(range "$tmp/minimal.ns"))"
awk -v a="$game" -v b="$floor" 'BEGIN {printf "  ratio %.2f (goal: at most 1.2)\n", a / b}'

if ! command -v valgrind >/dev/null; then
    echo "valgrind is not installed: no instruction counts"
    exit 0
fi
# counted NAME PROGRAM: callgrind's total to the mark, loader included.
counted() {
    (cd "$dir" && STARTUP_MARK_FILE=/dev/null LD_PRELOAD="$mark_lib" timeout 300 \
        valgrind --tool=callgrind --callgrind-out-file="$tmp/$1.out" "$2" >"$tmp/$1.log" 2>&1)
    awk '/^totals:/ {print $2}' "$tmp/$1.out"
}
game=$(counted game "$SLIDIX")
floor=$(counted minimal "$minimal")
echo "instructions to the first wait (callgrind, one run each):"
awk -v a="$game" -v b="$floor" 'BEGIN {
    printf "  game: %.0f; minimal SDL program: %.0f; ratio %.2f (goal: at most 1.2)\n", a, b, a / b }'
if [ "${SLIDIX_ANNOTATE:-0}" -gt 0 ] 2>/dev/null; then
    for name in game minimal; do
        echo
        echo "$name, costliest functions to the first wait (inclusive):"
        callgrind_annotate --inclusive=yes --threshold=100 "$tmp/$name.out" 2>/dev/null |
            sed -n '/file:function/,$p' | sed -n "3,$((SLIDIX_ANNOTATE + 2))p"
    done
fi
