# Every data file broken in every way that a player's disk can break it: missing,
# empty, cut in half, random bytes, a directory in its place, unreadable. The game
# reports the file once, never dies by a signal, never hangs, and plays on where
# the file is not essential; without "box.png" it ends with status 1.
. "$(dirname "$0")/lib.sh"

start_x
chmod 755 "$tmp"  # the unreadable case runs the game as another user

# A first board with 2s in row 0, columns 1 and 3, and no new tile after it: a
# slide to the left then changes what the window shows.
printf '1 0 1 1 0 1 %s' "$(yes 1 | head -n 12 | tr '\n' ' ')" >"$tmp/draws"
# A won game, for the win picture.
"$PLAN_WIN" "$tmp/win-draws" "$tmp/win-keys" >/dev/null || { fail "no plan for a won game"; finish; }
chmod 644 "$tmp/draws" "$tmp/win-draws" "$tmp/win-keys"

# as_player: the command prefix that runs the game as an unprivileged user when
# we are root (root reads any file, whatever its mode).
as_player=()
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
        as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env)
    else
        as_player=(unavailable)
    fi
fi

# break_file DIR FILE KIND
break_file() {
    local path="$1/$2"
    case $3 in
    missing) rm "$path" ;;
    empty) : >"$path" ;;
    truncated) head -c $(($(stat -c %s "$path") / 2)) "$DATA_DIR/$2" >"$path" ;;
    random) head -c 4096 /dev/urandom >"$path" ;;
    directory) rm "$path" && mkdir "$path" ;;
    unreadable) chmod 000 "$path" ;;
    esac
}

tile_at() {  # tile_at FILE ROW COLUMN: true if the cell shows a tile
    [ "$(pixel "$1" $((110 * $3 + 116)) $((110 * $2 + 80)))" = "$tile_colour" ]
}

# plays ID NAME: the first board is up (tile at row 0, column 1); a slide to the
# left carries the merged tile to column 0.
plays() {
    local i
    for i in $(seq 40); do
        shot "$tmp/$2-before.png"
        tile_at "$tmp/$2-before.png" 0 1 && break
        running || break
        move_mouse "$1" $((200 + i)) 200
        sleep 0.25
    done
    press "$1" Left
    shot_until "$tmp/$2-after.png" differs_from "$tmp/$2-before.png"
    if tile_at "$tmp/$2-before.png" 0 1 && tile_at "$tmp/$2-after.png" 0 0 && ! tile_at "$tmp/$2-after.png" 0 1; then
        pass "$2: the game plays"
    else
        fail "$2: the game did not play"
    fi
}

for kind in missing empty truncated random directory unreadable; do
    for file in times.ttf back.png box.png alphabox.png loose.png win.png; do
        name="$kind-$file"
        dir=$(new_workdir "$name")
        chmod -R a+rX "$dir"
        break_file "$dir" "$file" "$kind"
        run=(env)
        if [ "$kind" = unreadable ]; then
            if [ "${as_player[0]:-}" = unavailable ]; then
                echo "SKIPPED $name: as root the file stays readable, and no other user to run as"
                continue
            fi
            run=("${as_player[@]}" env DISPLAY="$DISPLAY" SDL_VIDEODRIVER=x11)
        fi
        case $file in
        times.ttf) message=$'\nImpossible de charger times.ttf...' ;;
        *) message=$'\nImpossible de charger " '"$file"' "' ;;
        esac

        case $file in
        box.png)
            start_in "$dir" "$dir/game" "${run[@]}" "$SLIDIX"
            wait_exit
            check "$name: status 1" 1 "$status"
            ;;
        loose.png | win.png)
            if [ "$file" = loose.png ]; then
                # Every draw 0: sixteen 4s, and the first slide to the left loses.
                start_in "$dir" "$dir/game" "${run[@]}" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_AFTER=0 "$SLIDIX"
                keys=(Left)
            else
                start_in "$dir" "$dir/game" "${run[@]}" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_FILE="$tmp/win-draws" "$SLIDIX"
                read -r -a keys <"$tmp/win-keys"
            fi
            id=$(wait_window) || fail "$name: no window"
            wait_board "$id" "$tmp/$name-start.png" || fail "$name: no board"
            press "$id" "${keys[@]}"
            sleep 0.6
            press "$id" Up space
            sleep 0.3
            shot "$tmp/$name-end.png"
            case $(board "$tmp/$name-end.png") in
            *'?'*) fail "$name: something covers the last board" ;;
            *) pass "$name: the last board stays, with no picture" ;;
            esac
            click "$id"
            sleep 0.3
            running && pass "$name: a click goes on to the last wait" || fail "$name: the game ended early"
            press "$id" space
            wait_exit
            check "$name: a key ends the game with status 0" 0 "$status"
            ;;
        *)
            start_in "$dir" "$dir/game" "${run[@]}" LD_PRELOAD="$FIXED_RAND" FIXED_RAND_FILE="$tmp/draws" "$SLIDIX"
            id=$(wait_window) || fail "$name: no window"
            plays "$id" "$name"
            repeat_until_gone close_window "$id"
            wait_exit
            check "$name: a window close ends it with status 0" 0 "$status"
            ;;
        esac
        check "$name: its one message" "${message}x" "$(cat "$dir/game.out"; echo x)"
    done
done

finish
