# Floods and long play in the real game: ten thousand queued events of every kind
# with no growth of the resident size and no change to the board, and a game
# under valgrind whose lost memory does not grow with the number of frames.
. "$(dirname "$0")/lib.sh"

start_x
dir=$(new_workdir flood)
# A first board with 2s in row 0, columns 1 and 3, and no new tile after it.
printf '1 0 1 1 0 1 %s' "$(yes 1 | head -n 12 | tr '\n' ' ')" >"$tmp/draws"

rss() { awk '/^VmRSS/ {print $2}' "/proc/$game_pid/status"; }
ticks() { awk '{print $14 + $15}' "/proc/$game_pid/stat"; }
# settle: waits until the game has drawn everything queued (its processor time
# stops growing), at most 60 s.
settle() {
    local before after i
    after=$(ticks)
    for i in $(seq 120); do
        sleep 0.5
        before=$after
        after=$(ticks)
        [ "$before" = "$after" ] && return 0
    done
    return 1
}
# flood ID ROUNDS: five events a round, in one stream: a motion, a key press and
# release, a button press and release.
flood() {
    local id=$1 i args=()
    for i in $(seq "$2"); do
        args+=(mousemove --window "$id" $((20 + i % 600)) $((20 + i % 440))
            key --window "$id" --delay 0 a
            click --window "$id" --delay 0 1)
    done
    xdotool "${args[@]}" 2>/dev/null
}

start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_FILE="$tmp/draws"
id=$(wait_window) || fail "no window"
wait_board "$id" "$tmp/start.png" || fail "no board"
flood "$id" 20
settle || fail "the game never settled"
shot "$tmp/after-100.png"
rss_100=$(rss)
flood "$id" 2000
settle || fail "the game never settled"
shot "$tmp/after-10000.png"
rss_10000=$(rss)
echo "resident size: $rss_100 kB after 100 events, $rss_10000 kB after 10,100"
[ $((rss_10000 - rss_100)) -le 64 ] && pass "the resident size grows by at most 64 kB" ||
    fail "the resident size grew from $rss_100 kB to $rss_10000 kB"
check "the flood left the board as it was" "$(board "$tmp/start.png")" "$(board "$tmp/after-10000.png")"
press "$id" Left
sleep 0.5
shot "$tmp/left.png"
check "the game still plays" "T..............." "$(board "$tmp/left.png")"
repeat_until_gone close_window "$id"
wait_exit
check "a window close ends it with status 0" 0 "$status"

# Under valgrind: the same game, once with 30 frames and once with 300; the
# memory lost at the end must be the same.
if ! command -v valgrind >/dev/null; then
    echo "SKIPPED valgrind: not installed"
    finish
fi
lost() {  # lost LOG: definitely and indirectly lost bytes
    local definitely indirectly
    definitely=$(sed -n 's/.*definitely lost: \([0-9,]*\) bytes.*/\1/p' "$1" | tr -d ,)
    indirectly=$(sed -n 's/.*indirectly lost: \([0-9,]*\) bytes.*/\1/p' "$1" | tr -d ,)
    echo "$((${definitely:-0} + ${indirectly:-0}))"
}
for frames in 30 300; do
    start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_FILE="$tmp/draws" \
        valgrind --leak-check=full --errors-for-leak-kinds=none --log-file="$tmp/valgrind-$frames.log"
    # start_game runs "$SLIDIX" after the environment: valgrind takes it as its program.
    id=""
    for i in $(seq 120); do
        id=$(xdotool search --name '^Slidix' 2>/dev/null | head -n 1)
        [ -n "$id" ] && break
        sleep 0.25
    done
    [ -n "$id" ] || { fail "valgrind: no window"; break; }
    sleep 2
    args=()
    for i in $(seq "$frames"); do args+=(mousemove --window "$id" $((20 + i % 600)) 200); done
    xdotool "${args[@]}" 2>/dev/null
    settle || fail "valgrind: the game never settled"
    for i in $(seq 40); do
        running || break
        close_window "$id" >/dev/null 2>&1
        sleep 0.5
    done
    wait_exit 60
    check "valgrind, $frames frames: status 0" 0 "$status"
    grep -q 'ERROR SUMMARY: 0 errors' "$tmp/valgrind-$frames.log" && pass "valgrind, $frames frames: no error" ||
        fail "valgrind, $frames frames: $(grep 'ERROR SUMMARY' "$tmp/valgrind-$frames.log")"
done
echo "lost at the end: $(lost "$tmp/valgrind-30.log") bytes after 30 frames, $(lost "$tmp/valgrind-300.log") after 300"
check "the memory lost does not grow with the frames" "$(lost "$tmp/valgrind-30.log")" "$(lost "$tmp/valgrind-300.log")"

finish
