#!/usr/bin/env bash
# What the game costs while nobody plays: wake-ups (voluntary context switches
# of all its threads) and processor time over 5 s without events, in each of its
# three waits (the turn loop, the end screen, the final wait), next to a minimal
# SDL program that waits with plain SDL_WaitEvent; then the peak resident size
# (VmHWM) of the whole game next to the minimal program's. Prints figures;
# asserts nothing.
#
# usage: benchmarks/window/idle.sh [BUILD-DIR [SECONDS]]   (defaults: build, 5)
#
# fixed_rand (preloaded, every draw 0) makes the first board sixteen 4s, so that
# one Left press loses the game (end screen) and a click reaches the final wait.
set -u
. "$(dirname "$0")/common.sh" "${1:-}"
seconds=${2:-5}
fixed_rand="$build/tests/libfixed_rand.so"
minimal="$build/benchmarks/minimal_sdl"
need "$SLIDIX" "$XCLOSE" "$fixed_rand" "$minimal"

hz=$(getconf CLK_TCK)
# wakeups PID: voluntary context switches of all its threads so far.
wakeups() {
    cat "/proc/$1"/task/*/status 2>/dev/null | awk '/^voluntary_ctxt_switches/ {n += $2} END {print n + 0}'
}
# ticks PID: user + system clock ticks so far (the fields after the command name).
ticks() {
    sed 's/.*) //' "/proc/$1/stat" | awk '{print $12 + $13}'
}
# memory PID FIELD: a size from /proc/PID/status, in kB.
memory() {
    awk -v field="$2:" '$1 == field {print $2}' "/proc/$1/status"
}
# idle PID WHAT: the wake-ups and ticks of PID over the next $seconds s.
idle() {
    local w0 t0 w1 t1
    w0=$(wakeups "$1")
    t0=$(ticks "$1")
    sleep "$seconds"
    w1=$(wakeups "$1")
    t1=$(ticks "$1")
    printf '  %-38s %5d wake-ups, %3d clock ticks (%d ms)\n' "$2:" $((w1 - w0)) $((t1 - t0)) \
        $(((t1 - t0) * 1000 / hz))
}

start_x
dir=$(new_workdir idle)
echo "over $seconds s without events (floor: 0 wake-ups, 0 ticks; 1 tick = $((1000 / hz)) ms):"

start_game "$dir" LD_PRELOAD="$fixed_rand" FIXED_RAND_AFTER=0
id=$(wait_window) || { echo "the game opened no window"; exit 1; }
wait_board "$id" "$tmp/board.png" || { echo "the game drew no board"; exit 1; }
[ "$(board "$tmp/board.png")" = TTTTTTTTTTTTTTTT ] || echo "  (the first board is not sixteen tiles: is fixed_rand preloaded?)"
sleep 1  # the redraws that wait_board's motions caused are over
idle "$game_pid" "game, turn loop"

press "$id" Left
for _ in $(seq 40); do
    shot "$tmp/end.png"
    case $(board "$tmp/end.png") in *T* | *.*) sleep 0.25 ;; *) break ;; esac
done
case $(board "$tmp/end.png") in *T* | *.*) echo "  (the end picture did not show: the next figure may be of the turn loop)" ;; esac
sleep 1
idle "$game_pid" "game, end screen"
# A key leaves the end screen up but would end the final wait: it tells the two apart.
press "$id" a
sleep 0.5
running || { echo "  (a key ended the game: it was not on its end screen)"; exit 1; }

click "$id"
sleep 1
idle "$game_pid" "game, final wait"
game_peak=$(memory "$game_pid" VmHWM)
game_rss=$(memory "$game_pid" VmRSS)
press "$id" a
wait_exit 10
[ "$status" = 0 ] || echo "  (a key did not end the game (status $status): it was not in its final wait)"

start_in "$dir" "$tmp/minimal" "$minimal"
for _ in $(seq 100); do
    minimal_id=$(xdotool search --name '^Minimal SDL$' 2>/dev/null | head -n 1)
    [ -n "$minimal_id" ] && break
    sleep 0.1
done
[ -n "$minimal_id" ] || { echo "the minimal program opened no window"; exit 1; }
sleep 1
idle "$game_pid" "minimal SDL program, SDL_WaitEvent"
minimal_peak=$(memory "$game_pid" VmHWM)
minimal_rss=$(memory "$game_pid" VmRSS)
repeat_until_gone close_window "$minimal_id"
wait_exit 10

echo "peak resident size (VmHWM):"
echo "  game, at its final wait:       $game_peak kB (resident now: $game_rss kB)"
echo "  minimal SDL program, waiting:  $minimal_peak kB (resident now: $minimal_rss kB)"
awk -v a="$game_peak" -v b="$minimal_peak" 'BEGIN {printf "  ratio %.2f\n", a / b}'
