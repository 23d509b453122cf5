#!/usr/bin/env bash
# What the waiting game costs: processor time over 5 s without events, and the
# resident size after 100 and after 10,000 events (mouse motion, each a full
# redraw). Prints figures; asserts nothing.
#
# usage: benchmarks/window/idle_and_memory.sh [BUILD-DIR]   (default: build)
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
export SLIDIX="$build/slidix" XCLOSE="$build/tests/xclose" DATA_DIR="$root/data"
. "$root/tests/window/lib.sh"

ticks() {  # user + system clock ticks of the game so far
    awk '{print $14 + $15}' "/proc/$game_pid/stat"
}
rss() {  # resident size in kB
    awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status"
}
# motions N: N mouse motions in one xdotool call, then waits until the game has
# drawn them all (its processor time stops growing).
motions() {
    local n=$1 i args=()
    for i in $(seq "$n"); do
        args+=(mousemove --window "$id" $((100 + i % 400)) $((100 + i % 300)))
    done
    xdotool "${args[@]}" 2>/dev/null
    local before after
    after=$(ticks)
    while :; do
        sleep 0.5
        before=$after
        after=$(ticks)
        [ "$before" = "$after" ] && break
    done
}

start_x
dir=$(new_workdir idle)
start_game "$dir"
id=$(wait_window) || { echo "no window"; exit 1; }
wait_board "$id" "$tmp/board.png" || { echo "no board"; exit 1; }
sleep 1

hz=$(getconf CLK_TCK)
for phase in "turn loop"; do
    t0=$(ticks)
    sleep 5
    t1=$(ticks)
    echo "idle 5 s in the $phase: $((t1 - t0)) clock ticks (1 tick = $((1000 / hz)) ms)"
done

motions 100
echo "resident size after 100 events: $(rss) kB"
motions 9900
echo "resident size after 10,000 events: $(rss) kB"
repeat_until_gone close_window "$id"
wait_exit
echo "ended with status $status"
