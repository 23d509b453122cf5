# Installation of the game: what cmake --install lays down, the installed launcher started from elsewhere, from a moved prefix and through a link, and the desktop files.
. "$(dirname "$0")/lib.sh"

start_x
caption='Slidix      By Velmorin'
source_dir=$(dirname "$DATA_DIR")
data_files="times.ttf back.png box.png alphabox.png win.png loose.png times.ttf.LICENSE LICENSES.md"

prefix="$tmp/prefix"
if ! "${CMAKE:-cmake}" --install "$BUILD_DIR" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log"
    fail "cmake --install"
    finish
fi
pass "cmake --install"

# Exactly these files: nothing of the tests or the benchmarks, nothing missing.
expected="bin/slidix
libexec/slidix/slidix
share/applications/slidix.desktop
share/doc/slidix/copyright
share/icons/hicolor/128x128/apps/slidix.png
share/icons/hicolor/256x256/apps/slidix.png
share/icons/hicolor/48x48/apps/slidix.png
share/metainfo/io.github.slidix.Slidix.metainfo.xml"
for file in $data_files; do expected+=$'\n'"share/slidix/$file"; done
check "the installed files" "$(sort <<<"$expected")" "$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort)"

for file in $data_files; do
    cmp -s "$DATA_DIR/$file" "$prefix/share/slidix/$file" || fail "share/slidix/$file differs from data/$file"
done
[ -x "$prefix/bin/slidix" ] && pass "the launcher is executable" || fail "the launcher is not executable"
[ -x "$prefix/libexec/slidix/slidix" ] && pass "the game is executable" || fail "the game is not executable"
check "the launcher is a POSIX sh script" '#!/bin/sh' "$(head -n 1 "$prefix/bin/slidix")"
cmp -s "$SLIDIX" "$prefix/libexec/slidix/slidix" && pass "the game is the built binary" || fail "libexec/slidix/slidix is not the built binary"
for size in 48 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x$size/apps/slidix.png"
    check "the ${size}x$size icon" "${size}x$size" "$(image_size "$icon")"
    cmp -s "$source_dir/packaging/icons/slidix-$size.png" "$icon" || fail "the ${size}x$size icon is not packaging/icons/slidix-$size.png"
done
grep -q '^MIT License$' "$prefix/share/doc/slidix/copyright" && pass "copyright: the game's licence" || fail "copyright lacks the MIT licence"
grep -q 'Bitstream Vera' "$prefix/share/doc/slidix/copyright" && pass "copyright: the font's licence" || fail "copyright lacks the font's licence"
placeholders=$(grep -n '@[A-Z_]*@' "$prefix/bin/slidix" "$prefix/share/doc/slidix/copyright")
check "no placeholder left in the configured files" "" "$placeholders"

# The desktop files pass their validators, and the names they give exist.
desktop="$prefix/share/applications/slidix.desktop"
metainfo="$prefix/share/metainfo/io.github.slidix.Slidix.metainfo.xml"
if out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ]; then
    pass "desktop-file-validate"
else
    fail "desktop-file-validate: $out"
fi
check "the menu starts the launcher" "Exec=slidix" "$(grep '^Exec=' "$desktop")"
check "the menu's icon is the installed one" "Icon=slidix" "$(grep '^Icon=' "$desktop")"
grep -q 'Categories=Game;LogicGame;' "$desktop" && pass "categories" || fail "categories: $(grep '^Categories=' "$desktop")"
if out=$(appstreamcli validate --no-net "$metainfo" 2>&1); then
    pass "appstreamcli validate"
else
    fail "appstreamcli validate: $out"
fi
grep -q '<launchable type="desktop-id">slidix.desktop</launchable>' "$metainfo" \
    && pass "the metadata launches the installed desktop file" || fail "the metadata's launchable is not slidix.desktop"

# started LABEL DATA-DIR: after start_in, the game window of the installed
# game, run from DATA-DIR by the launcher's exec (no shell left behind), is
# drawn from the installed pictures and ends with status 0 on a close.
started() {
    local label=$1 data=$2 id
    id=$(wait_window) || { fail "$label: no window appeared"; wait_exit; return; }
    check "$label: caption" "$caption" "$(xdotool getwindowname "$id")"
    check "$label: window size is the installed back.png's" "$(image_size "$data/back.png")" "$(window_size "$id")"
    check "$label: the launcher became the game" "$(readlink -f "$data/../../libexec/slidix/slidix")" "$(readlink "/proc/$game_pid/exe")"
    check "$label: working directory" "$(readlink -f "$data")" "$(readlink "/proc/$game_pid/cwd")"
    wait_board "$id" "$tmp/$label.png" && pass "$label: the board is drawn" || fail "$label: no board on the screen"
    repeat_until_gone close_window "$id"
    wait_exit
    check "$label: a window close ends it" 0 "$status"
}

# From / , which holds none of the data files.
start_in / "$tmp/from-root" "$prefix/bin/slidix"
started from-root "$prefix/share/slidix"
check "from /: nothing on standard output" "" "$(cat "$tmp/from-root.out")"
check "from /: nothing on standard error" "" "$(cat "$tmp/from-root.err")"

# The prefix moved after installation, to a path with a blank in it.
moved="$tmp/moved prefix"
mv "$prefix" "$moved"
start_in / "$tmp/moved" "$moved/bin/slidix"
started moved "$moved/share/slidix"

# Found on the PATH through a link in another directory.
mkdir "$tmp/links"
ln -s "$moved/bin/slidix" "$tmp/links/slidix"
start_in "$tmp/links" "$tmp/linked" env PATH="$tmp/links:$PATH" slidix
started linked "$moved/share/slidix"

# The game's own exit statuses come through the launcher.
mv "$moved/share/slidix/box.png" "$tmp/box.png"
start_in / "$tmp/nobox" "$moved/bin/slidix"
wait_exit
check "without box.png the launcher ends with the game's status 1" 1 "$status"
check "the game's message without box.png" $'\nImpossible de charger " box.png "x' "$(cat "$tmp/nobox.out"; echo x)"
mv "$tmp/box.png" "$moved/share/slidix/box.png"

start_in / "$tmp/nodisplay" env -u DISPLAY "$moved/bin/slidix"
wait_exit
check "without a display the launcher ends with the game's status 2" 2 "$status"
grep -q '^Unable to init SDL: ' "$tmp/nodisplay.err" && pass "the game's init message" || fail "the init message: $(cat "$tmp/nodisplay.err")"

# Without its data directory the launcher says so and does not start the game
# somewhere else.
mv "$moved/share/slidix" "$tmp/data-away"
start_in / "$tmp/nodata" "$moved/bin/slidix"
wait_exit
check "without the data directory the launcher ends with status 1" 1 "$status"
grep -q '^slidix: cannot enter the data directory ' "$tmp/nodata.err" && pass "the launcher's message" || fail "the launcher's message: $(cat "$tmp/nodata.err")"
check "without the data directory the game does not start" "" "$(cat "$tmp/nodata.out")"

finish
