# Shared steps of the window tests: a private X server, the real game binary in a
# scratch working directory, key presses, clicks and close requests, screenshots.
#
# Needs SLIDIX (the game), XCLOSE (tests/tools/xclose) and DATA_DIR (data/) in the
# environment, as CTest sets them. Every wait is bounded.
set -u

failures=0
tmp=$(mktemp -d /tmp/slidix-window-XXXXXX)
xvfb_pid=""
game_pid=""

cleanup() {
    [ -n "$game_pid" ] && kill -9 "$game_pid" 2>/dev/null
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

pass() {
    echo "ok: $*"
}

# check DESCRIPTION EXPECTED ACTUAL
check() {
    if [ "$2" = "$3" ]; then
        pass "$1"
    else
        fail "$1: expected [$2], got [$3]"
    fi
}

finish() {
    if [ "$failures" -gt 0 ]; then
        echo "$failures check(s) failed"
        exit 1
    fi
    echo "all checks passed"
    exit 0
}

# Starts Xvfb on a free display and points DISPLAY at it.
start_x() {
    exec 3>"$tmp/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    local i
    for i in $(seq 100); do
        [ -s "$tmp/display" ] && break
        sleep 0.1
    done
    [ -s "$tmp/display" ] || { echo "Xvfb did not start"; cat "$tmp/xvfb.log"; exit 1; }
    export DISPLAY=":$(head -n 1 "$tmp/display")"
    # x11 unless a test says otherwise: never a silent fall-back to a text-mode driver.
    export SDL_VIDEODRIVER=x11
}

# new_workdir NAME: a working directory holding a copy of every data file.
new_workdir() {
    local dir="$tmp/$1"
    mkdir -p "$dir"
    cp "$DATA_DIR"/*.png "$DATA_DIR"/times.ttf "$dir"/
    echo "$dir"
}

# start_game DIR [ENV-ARGUMENTS ...]: runs the game in DIR under env with these
# arguments (-u NAME, NAME=VALUE); its output goes to DIR/out and DIR/err.
start_game() {
    local dir=$1
    shift
    (cd "$dir" && exec env "$@" "$SLIDIX" >"$dir/out" 2>"$dir/err") &
    game_pid=$!
}

# wait_window: prints the game window's id once it exists (empty after 10 s).
wait_window() {
    local i id
    for i in $(seq 100); do
        id=$(xdotool search --name '^Slidix' 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$game_pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# wait_exit [SECONDS]: waits for the game to end and sets `status` to its exit
# status ("timeout" if it was still running, after which it is killed).
wait_exit() {
    local limit=${1:-10} i
    for i in $(seq $((limit * 20))); do
        if ! kill -0 "$game_pid" 2>/dev/null; then
            wait "$game_pid"
            status=$?
            game_pid=""
            return 0
        fi
        sleep 0.05
    done
    kill -9 "$game_pid" 2>/dev/null
    wait "$game_pid" 2>/dev/null
    game_pid=""
    status=timeout
}

running() {
    [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null
}

# repeat_until_gone COMMAND...: repeats an input until the game ends (at most
# 10 s), for inputs that a window still being set up may lose. Repeats are
# spaced so that SDL does not take a press for the key's auto-repeat.
repeat_until_gone() {
    local i
    for i in $(seq 40); do
        running || return 0
        "$@" >/dev/null 2>&1
        sleep 0.25
    done
}

close_window() { "$XCLOSE" "$1"; }
press() { xdotool key --window "$1" "$2"; }
click() { xdotool mousemove --window "$1" "${3:-320}" "${4:-240}" click "${2:-1}"; }

# window_size ID: prints WIDTHxHEIGHT.
window_size() {
    local WIDTH HEIGHT
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    echo "${WIDTH}x${HEIGHT}"
}

# image_size FILE: prints WIDTHxHEIGHT of a picture.
image_size() {
    identify -format '%wx%h' "$1"
}

# shot FILE: a screenshot of the whole screen (the window lies at its top-left).
shot() {
    import -window root "$1"
}

# pixel FILE X Y: prints "R,G,B" of one pixel.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:
}
