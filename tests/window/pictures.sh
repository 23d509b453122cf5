# Pictures the game was not drawn for: every pixel format that the loader reads,
# a background smaller than the board, a cell larger than the background, and a
# background too large for a window. The game draws what it can, never dies by a
# signal and says once what it cannot do.
. "$(dirname "$0")/lib.sh"

start_x
# A first board with 2s in row 1, columns 1 and 3 (a row that stays in sight on
# the small background), and no new tile after it.
echo "1 1 1 1 1 0 1 1 0 1 $(yes 1 | head -n 8 | tr '\n' ' ')" >"$tmp/draws"

# variant FILE NAME FORMAT CONVERT-ARGUMENTS...: a working directory whose FILE
# is the data file rewritten by ImageMagick, to FORMAT (such as PNG8:).
variant() {
    local file=$1 name=$2 format=$3
    shift 3
    dir=$(new_workdir "$name-$file")
    convert "$DATA_DIR/$file" "$@" "$format$dir/$file"
}

# runs NAME: the game starts, draws, changes its picture on a slide to the left,
# says nothing and ends with status 0 on a window close.
runs() {
    local name=$1 i
    start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_FILE="$tmp/draws"
    id=$(wait_window) || { fail "$name: no window"; return; }
    sleep 0.5
    move_mouse "$id" 300 300
    sleep 0.5
    shot "$tmp/$name-before.png"
    press "$id" Left
    shot_until "$tmp/$name-after.png" differs_from "$tmp/$name-before.png" && pass "$name: plays" ||
        fail "$name: a slide changed nothing on the screen"
    repeat_until_gone close_window "$id"
    wait_exit
    check "$name: a window close ends it with status 0" 0 "$status"
    check "$name: nothing on standard output" "" "$(cat "$dir/out")"
}

for file in back.png box.png alphabox.png; do
    variant "$file" palette PNG8: && runs "8-bit palette $file"
    variant "$file" grey PNG8: -colorspace Gray && runs "grey $file"
    variant "$file" grey-alpha "" -colorspace Gray -alpha set -channel A -evaluate set 80% +channel \
        -define png:color-type=4 && runs "grey with alpha $file"
    variant "$file" deep PNG48: -depth 16 && runs "16 bits a channel $file"
    variant "$file" alpha PNG32: -alpha set && runs "with an alpha channel $file"
done

# The end picture in formats other than its own, on a lost game (every draw 0:
# sixteen 4s, and the first slide to the left fills the board).
lost_with() {
    local name="loose.png as $1"
    start_game "$dir" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_AFTER=0
    id=$(wait_window) || { fail "$name: no window"; return; }
    wait_board "$id" "$tmp/full.png" || fail "$name: no board"
    press "$id" Left
    shot_until "$tmp/lost-$1.png" covered && pass "$name: drawn" || fail "$name: no picture"
    click "$id"
    sleep 0.3
    press "$id" space
    wait_exit
    check "$name: ends with status 0" 0 "$status"
    check "$name: nothing on standard output" "" "$(cat "$dir/out")"
}
variant loose.png palette PNG8: && lost_with "8-bit palette"
variant loose.png grey PNG8: -colorspace Gray && lost_with "grey"
variant loose.png opaque PNG24: -alpha off && lost_with "no alpha channel"
variant loose.png deep PNG64: -depth 16 && lost_with "16 bits a channel"

# A background smaller than the board: the offsets go negative, the cells are clipped.
dir=$(new_workdir small-back)
convert -size 300x200 xc:'#16202c' PNG24:"$dir/back.png"
runs "a 300 x 200 background"

# A cell larger than the background.
dir=$(new_workdir large-box)
convert "$DATA_DIR/box.png" -resize 700x700 "$dir/box.png"
convert "$DATA_DIR/alphabox.png" -resize 700x700 "$dir/alphabox.png"
runs "700 x 700 cells on a 640 x 480 background"

# A background too tall for a window: the second mode set fails, start-up stops.
dir=$(new_workdir tall-back)
"$MAKE_PNG" 100 33000 22 28 38 "$dir/back.png"
start_game "$dir"
wait_exit
check "a 100 x 33000 background ends the game with status 2" 2 "$status"
check "its message" "Unable to set 100 x33000  video: larger than a window can be" "$(cat "$dir/err")"

finish
