# Start-up of the real game: the window, its caption and size, the ways it ends,
# and every missing data file.
. "$(dirname "$0")/lib.sh"

start_x
caption='Slidix      By Velmorin'

# Every file present: the caption, the window at the size of back.png, the
# first board, silence, and a window close ends the game with status 0.
dir=$(new_workdir all)
start_game "$dir"
id=$(wait_window) || fail "no window appeared"
check "caption" "$caption" "$(xdotool getwindowname "$id")"
check "window size is back.png's" "$(image_size "$DATA_DIR/back.png")" "$(window_size "$id")"
wait_board "$id" "$tmp/first.png" && pass "the first board is drawn" || fail "no board on the screen"
case $(board "$tmp/first.png") in *T*) pass "it holds a tile" ;; *) fail "no tile on the first board" ;; esac
repeat_until_gone close_window "$id"
wait_exit
check "a window close ends it" 0 "$status"
check "nothing on standard output" "" "$(cat "$dir/out")"
check "nothing on standard error" "" "$(cat "$dir/err")"

# The window follows the background's size.
dir=$(new_workdir large)
convert -size 720x560 xc:'#203040' PNG24:"$dir/back.png"
start_game "$dir"
id=$(wait_window) || fail "no window appeared"
check "window size follows back.png" 720x560 "$(window_size "$id")"
repeat_until_gone close_window "$id"
wait_exit
check "closed" 0 "$status"

# Each missing file: its exact message, and the game goes on or stops as documented.
for file in times.ttf back.png alphabox.png box.png; do
    dir=$(new_workdir "without-$file")
    rm "$dir/$file"
    start_game "$dir"
    if [ "$file" = box.png ]; then
        wait_exit
        check "without box.png the game ends with status 1" 1 "$status"
    else
        id=$(wait_window) || fail "no window without $file"
        [ "$file" = back.png ] && check "without back.png the window stays 640x480" 640x480 "$(window_size "$id")"
        repeat_until_gone close_window "$id"
        wait_exit
        check "without $file the game runs and ends on a close" 0 "$status"
    fi
    case $file in
    times.ttf) expected=$'\nImpossible de charger times.ttf...' ;;
    *) expected=$'\nImpossible de charger " '"$file"' "' ;;
    esac
    check "message without $file" "${expected}x" "$(cat "$dir/out"; echo x)"
    [ -s "$dir/err" ] && fail "standard error without $file: $(cat "$dir/err")"
done

# No display at all: one line on standard error, status 2.
dir=$(new_workdir nodisplay)
start_game "$dir" -u DISPLAY
wait_exit
check "without a display the game ends with status 2" 2 "$status"
check "one line on standard error" 1 "$(wc -l <"$dir/err")"
grep -q '^Unable to init SDL: ' "$dir/err" && pass "the init message" || fail "the init message: $(cat "$dir/err")"

finish
