# Whole games in the real game: arrow keys against the rules, other input
# against nothing, a lost game and a won game with their pictures, the last
# wait, and window closes wherever the game waits.
#
# The boards are chosen from outside the program: fixed_rand is preloaded and
# serves the random draws (a draw divisible by 9 puts a tile on an empty cell,
# then a draw divisible by 8 makes it a 4, else a 2; a draw of 1 places nothing).
. "$(dirname "$0")/lib.sh"

start_x
dir=$(new_workdir game)

# draws_for CELLS: the draws of one spawn pass that puts a 2 on each cell marked
# 2 and a 4 on each cell marked 4 in CELLS (16 characters, row by row).
draws_for() {
    local cells=$1 i out=""
    for i in $(seq 0 15); do
        case ${cells:$i:1} in
        2) out+="0 1 " ;;
        4) out+="0 0 " ;;
        *) out+="1 " ;;
        esac
    done
    echo "$out"
}

# --- The arrow keys move the tiles as the rules say; nothing else changes the board.
# First board: 2s in row 0, columns 1 and 3; no tile ever appears after that.
draws_for ".2.2............" >"$tmp/two-tiles"
start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_FILE="$tmp/two-tiles"
id=$(wait_window) || fail "no window"
wait_board "$id" "$tmp/start.png" || fail "the board never appeared"
check "first board" ".T.T............" "$(board "$tmp/start.png")"

press "$id" a space Escape Return
move_mouse "$id" 400 300
move_mouse "$id" 100 100
click "$id" 1 50 450
sleep 0.5
shot "$tmp/after-others.png"
same_picture "$tmp/start.png" "$tmp/after-others.png" && pass "other keys, motion and clicks change nothing" ||
    fail "other keys, motion or clicks changed the window"

# Left merges the two 2s into a 4 in the corner; Right, Down and Up carry it round.
for step in "Left T..............." "Right ...T............" "Down ...............T" "Up ...T............" \
    "Left T..............."; do
    key=${step% *}
    press "$id" "$key"
    shot_until "$tmp/$key.png" board_is "${step#* }"
    check "after $key" "${step#* }" "$(board "$tmp/$key.png")"
done
repeat_until_gone close_window "$id"
wait_exit
check "a window close during play ends the game with status 0" 0 "$status"

# --- A lost game: every draw is 0, so the first board is sixteen 4s and the first
# slide to the left, which merges them into 8, 8 on each row, is refilled with 4s.
start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_AFTER=0
id=$(wait_window) || fail "no window"
wait_board "$id" "$tmp/full.png" || fail "the board never appeared"
check "a full first board" "TTTTTTTTTTTTTTTT" "$(board "$tmp/full.png")"
press "$id" Left
shot_until "$tmp/lost.png" covered
# The picture is drawn as it is over the last board: where it is opaque it shows
# its own pixels, where it is translucent the board shows through.
check_near "the loss picture is up" "$(rgb "$DATA_DIR/loose.png" 320 240)" "$(rgb "$tmp/lost.png" 320 240)"
convert -size 100x100 "xc:$tile_colour" \( "$DATA_DIR/loose.png" -crop 100x100+110+30 +repage \) \
    -composite "$tmp/veiled-tile.png"
check_near "the last board shows through the picture" "$(rgb "$tmp/veiled-tile.png" 6 50)" "$(rgb "$tmp/lost.png" 116 80)"

press "$id" Left Up space
sleep 0.5
shot "$tmp/lost-keys.png"
same_picture "$tmp/lost.png" "$tmp/lost-keys.png" && pass "keys leave the loss picture up" ||
    fail "a key changed the loss picture"
running && pass "keys do not end the end screen" || fail "the game ended on a key"
repeat_until_gone close_window "$id"
wait_exit
check "a window close on the end screen ends the game with status 0" 0 "$status"

# The same loss, then a click dismisses the picture and a key press ends the game.
start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_AFTER=0
id=$(wait_window) || fail "no window"
wait_board "$id" "$tmp/full.png" || fail "the board never appeared"
press "$id" Left
sleep 0.5
click "$id"
sleep 0.5
running && pass "after the click the game waits" || fail "the game ended on the click"
press "$id" x
wait_exit
check "a key press in the last wait ends the game with status 0" 0 "$status"
check "nothing on standard output" "" "$(cat "$dir/out")"

# --- A won game, planned with the game's own rules: the keys and the draws.
if ! "$PLAN_WIN" "$tmp/win-draws" "$tmp/win-keys" >"$tmp/plan.log" 2>&1; then
    fail "no plan for a won game: $(cat "$tmp/plan.log")"
    finish
fi
start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_FILE="$tmp/win-draws" FIXED_RAND_COUNT="$tmp/win-count"
id=$(wait_window) || fail "no window"
wait_board "$id" "$tmp/won-start.png" || fail "the board never appeared"
# shellcheck disable=SC2046
press "$id" $(cat "$tmp/win-keys")
shot_until "$tmp/won.png" covered
[ -n "${KEEP_SHOTS:-}" ] && cp "$tmp"/*.png "$KEEP_SHOTS"/
check_near "the win picture is up" "$(rgb "$DATA_DIR/win.png" 320 240)" "$(rgb "$tmp/won.png" 320 240)"
click "$id" 3
sleep 0.5
running && pass "after the click the game waits" || fail "the game ended on the click"
repeat_until_gone close_window "$id"
wait_exit
check "a window close in the last wait ends the game with status 0" 0 "$status"
check "every planned draw was used, and no other" "$(wc -w <"$tmp/win-draws" 2>&1)" "$(cat "$tmp/win-count" 2>&1)"

finish
