# The game in hostile surroundings: no display, no usable video driver, a driver
# that sets no mode, another working directory, standard output closed or full,
# and SDL's dummy driver. Each ends with a clear status and never by a signal.
. "$(dirname "$0")/lib.sh"

start_x

# No display and the X11 driver asked for: one line, status 2.
dir=$(new_workdir nodisplay)
start_game "$dir" -u DISPLAY SDL_VIDEODRIVER=x11
wait_exit
check "no display: status 2" 2 "$status"
check "no display: one line" 1 "$(wc -l <"$dir/err")"
grep -q '^Unable to init SDL: ' "$dir/err" && pass "no display: the init message" || fail "no display: $(cat "$dir/err")"

# A video driver that does not exist.
start_game "$dir" SDL_VIDEODRIVER=no-such-driver
wait_exit
check "no driver: status 2" 2 "$status"
check "no driver: one line" "Unable to init SDL: No available video device" "$(cat "$dir/err")"

# No display and no driver asked for: SDL falls back to its text-mode driver,
# where the game waits for input like anywhere else. There the terminal library
# answers a termination request itself: it restores the terminal and ends the
# process with its own status, never by the signal.
start_game "$dir" -u DISPLAY -u SDL_VIDEODRIVER TERM=xterm
sleep 2
running && pass "text mode: the game runs" || fail "text mode: the game ended ($(cat "$dir/err"))"
kill -TERM "$game_pid" 2>/dev/null
wait_exit
[ "$status" != timeout ] && [ "$status" -lt 128 ] && pass "text mode: a termination request ends it (status $status)" ||
    fail "text mode: a termination request gave status $status"

# A driver that sets no mode: at start-up, and when the window takes the
# background's size.
for call in 1 2; do
    start_game "$dir" LD_PRELOAD="$NO_MODE" NO_MODE_CALL=$call
    wait_exit
    check "mode set $call fails: status 2" 2 "$status"
    check "mode set $call fails: its message" "Unable to set 640 x480  video: this driver sets no mode" "$(cat "$dir/err")"
done

# Another working directory: every file it reads at start-up is named, then the
# game stops for want of the cell picture.
empty=$tmp/elsewhere
mkdir "$empty"
(cd "$empty" && exec "$SLIDIX" >"$tmp/elsewhere.out" 2>"$tmp/elsewhere.err") &
game_pid=$!
wait_exit
check "another directory: status 1" 1 "$status"
check "another directory: each missing file named" \
    $'\nImpossible de charger times.ttf...\nImpossible de charger " back.png "\nImpossible de charger " box.png "\nImpossible de charger " alphabox.png "x' \
    "$(cat "$tmp/elsewhere.out"; echo x)"

# Standard output closed, full, or a pipe that nobody reads: the message about
# the missing background is lost, the game plays on and ends normally.
dir=$(new_workdir no-back)
rm "$dir/back.png"
for output in closed full broken-pipe; do
    case $output in
    closed) (cd "$dir" && exec "$SLIDIX" >&- 2>"$dir/err") & ;;
    full) (cd "$dir" && exec "$SLIDIX" >/dev/full 2>"$dir/err") & ;;
    broken-pipe)
        mkfifo "$tmp/pipe"
        (exec 3<"$tmp/pipe"; exec 3<&-; sleep 30) &  # opens the pipe for reading, then closes it
        reader=$!
        (cd "$dir" && exec "$SLIDIX" >"$tmp/pipe" 2>"$dir/err") &
        ;;
    esac
    game_pid=$!
    id=$(wait_window) || fail "standard output $output: no window"
    wait_board "$id" "$tmp/$output.png" || true
    press "$id" Left Up
    sleep 0.3
    running && pass "standard output $output: the game runs" || fail "standard output $output: the game ended"
    repeat_until_gone close_window "$id"
    wait_exit
    check "standard output $output: a window close ends it with status 0" 0 "$status"
    check "standard output $output: nothing on standard error" "" "$(cat "$dir/err")"
    [ "$output" = broken-pipe ] && kill "$reader" 2>/dev/null
done

# SDL's dummy driver: no window to see, but the game runs and a close request
# (SIGTERM or SIGINT, which SDL turns into one) ends it with status 0.
dir=$(new_workdir dummy)
for signal in TERM INT; do
    start_game "$dir" SDL_VIDEODRIVER=dummy
    sleep 1.5
    running && pass "dummy driver: the game runs" || fail "dummy driver: the game ended ($(cat "$dir/err"))"
    kill -"$signal" "$game_pid" 2>/dev/null
    wait_exit
    check "dummy driver: SIG$signal ends it with status 0" 0 "$status"
done

finish
