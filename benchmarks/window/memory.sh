#!/usr/bin/env bash
# Whether the game's memory grows as it plays: its resident size after 100 and
# after 100,000 events (mouse motions over its window, each one a full redraw),
# each counted where it arrives. Prints figures; asserts nothing.
#
# usage: benchmarks/window/memory.sh [BUILD-DIR [EVENTS]]   (defaults: build, 100000)
#
# count_frames (preloaded) counts the frames that the game draws: one for each
# event it takes, so the events are counted where they arrive, not where sent.
set -u
. "$(dirname "$0")/common.sh" "${1:-}"
events=${2:-100000}
count_lib="$build/benchmarks/libcount_frames.so"
need "$SLIDIX" "$XCLOSE" "$count_lib"

memory() {  # memory FIELD: a size from the game's /proc status, in kB
    awk -v field="$1:" '$1 == field {print $2}' "/proc/$game_pid/status"
}
frames() {  # frames the game has drawn so far
    od -An -t u8 -N 8 "$tmp/frames" 2>/dev/null | tr -d ' '
}

sent=0
# events N: N more events that the game takes, each a redraw: mouse motions,
# each to another point of the window, sent 100 at a time and each batch drawn
# before the next goes (SDL's queue holds 128 events: a batch that found it full
# would be cut short). Motions lost all the same are made up for, until the
# frames drawn reach the count; gives up if the game draws nothing for 10 s.
events() {
    local target=$(($(frames) + $1)) have batch i args
    while have=$(frames) && [ "$have" -lt "$target" ]; do
        batch=$((target - have < 100 ? target - have : 100))
        args=()
        for ((i = sent; i < sent + batch; i++)); do
            args+=(mousemove --window "$id" $((100 + i % 401)) $((100 + i % 281)))
        done
        xdotool "${args[@]}" 2>/dev/null
        sent=$((sent + batch))
        for i in $(seq 500); do
            [ "$(frames)" -ge $((have + batch)) ] && break
            sleep 0.02
        done
        [ "$(frames)" = "$have" ] && { echo "  (the game drew nothing for 10 s)"; return 1; }
    done
    return 0
}

report() {
    printf '  after %6d events: resident %6d kB, peak %6d kB (%d motions sent)\n' \
        $(($(frames) - base)) "$(memory VmRSS)" "$(memory VmHWM)" "$sent"
}

start_x
dir=$(new_workdir memory)
start_game "$dir" LD_PRELOAD="$count_lib" FRAME_COUNT_FILE="$tmp/frames"
id=$(wait_window) || { echo "the game opened no window"; exit 1; }
wait_board "$id" "$tmp/board.png" || { echo "the game drew no board"; exit 1; }
sleep 1
[ -n "$(frames)" ] || { echo "no frame count: count_frames did not load"; exit 1; }
echo "resident size (goal: no growth beyond a few pages of 4 kB):"
# The first frames, those of the first board, are not events: counted from here.
base=$(frames)
events 100 || exit 1
report
small=$(memory VmRSS)
events $((events - 100)) || exit 1
report
large=$(memory VmRSS)
echo "  growth: $((large - small)) kB ($(((large - small) / 4)) pages)"
repeat_until_gone close_window "$id"
wait_exit 10
[ "$status" = 0 ] || echo "  (the game ended with status $status)"
