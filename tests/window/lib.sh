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

# start_in DIR OUTPUT COMMAND...: runs COMMAND, such as an installed launcher,
# from the working directory DIR, as start_game runs the game; its output goes
# to OUTPUT.out and OUTPUT.err, so that DIR can be any directory, / included.
start_in() {
    local dir=$1 output=$2
    shift 2
    (cd "$dir" && exec "$@" >"$output.out" 2>"$output.err") &
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
# press ID KEY...: key presses (and releases), 60 ms apart.
press() {
    local id=$1
    shift
    xdotool key --window "$id" --delay 60 "$@" 2>/dev/null
}
# click ID [BUTTON [X Y]]
click() { xdotool mousemove --window "$1" "${3:-320}" "${4:-240}" click "${2:-1}" 2>/dev/null; }
move_mouse() { xdotool mousemove --window "$1" "${2:-300}" "${3:-200}" 2>/dev/null; }

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

# pixel FILE X Y: prints the colour of one pixel, as "srgb(R,G,B)".
pixel() {
    convert "$1" -format "%[pixel:p{$2,$3}]" info:
}

# The board as a player sees it on the default pictures: 640 x 480 background,
# 100 x 100 cells, the cell in row r and column c at (110c + 110, 110r + 30).
tile_colour=$(pixel "$DATA_DIR/box.png" 6 50)
empty_colour=$(pixel "$DATA_DIR/alphabox.png" 6 50)

# board FILE: prints the 16 cells row by row, T for a tile, . for an empty cell,
# ? for anything else (the board not drawn yet, or covered).
board() {
    local format="" r c
    for r in 0 1 2 3; do
        for c in 0 1 2 3; do
            format+="%[pixel:p{$((110 * c + 116)),$((110 * r + 80))}] "
        done
    done
    local cell out=""
    for cell in $(convert "$1" -format "$format" info:); do
        case $cell in
        "$tile_colour") out+=T ;;
        "$empty_colour") out+=. ;;
        *) out+='?' ;;
        esac
    done
    echo "$out"
}

# wait_board ID FILE: waits (at most 10 s) until the board is on the screen,
# moving the mouse over the window to wake the game if it has drawn nothing yet;
# leaves the screenshot in FILE.
wait_board() {
    local i
    for i in $(seq 40); do
        shot "$2"
        case $(board "$2") in *'?'*) ;; *) return 0 ;; esac
        running || return 1
        move_mouse "$1" $((200 + i)) 200
        sleep 0.25
    done
    return 1
}

# rgb FILE X Y: prints "R G B" of one pixel, 0 to 255.
rgb() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r+0.5)] %[fx:int(255*p{$2,$3}.g+0.5)] %[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# check_near DESCRIPTION "R G B" "R G B": each channel within 3 (SDL's alpha
# blending and ImageMagick's compositing round differently).
check_near() {
    local a=($2) b=($3) i
    for i in 0 1 2; do
        if [ -z "${a[i]:-}" ] || [ -z "${b[i]:-}" ] || [ $(((a[i] - b[i]) * (a[i] - b[i]))) -gt 9 ]; then
            fail "$1: expected about [$2], got [$3]"
            return
        fi
    done
    pass "$1"
}

# shot_until FILE TEST...: takes screenshots into FILE until TEST (a command,
# run with FILE appended) succeeds, at most 5 s: a busy machine may draw late.
shot_until() {
    local file=$1 i
    shift
    for i in $(seq 20); do
        shot "$file"
        "$@" "$file" && return 0
        sleep 0.25
    done
    return 1
}

# board_is EXPECTED FILE: true if the screenshot shows the board EXPECTED.
board_is() { [ "$(board "$2")" = "$1" ]; }

# covered FILE: true if something lies over part of the board (an end picture).
covered() { case $(board "$1") in *'?'*) return 0 ;; *) return 1 ;; esac; }

# differs_from A B: true if the screenshots differ in the window.
differs_from() { ! same_picture "$1" "$2"; }

# same_picture A B: true if the two screenshots are identical in the window.
same_picture() {
    [ "$(compare -metric AE "$1" "$2" null: 2>&1)" = 0 ]
}
