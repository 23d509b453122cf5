# The Debian package: built by CPack, installed with apt-get, started with the command players type, and removed without leaving a file behind.
. "$(dirname "$0")/lib.sh"

# This test installs into the system itself.
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIPPED: installing a Debian package needs root"
    exit 77
fi
if ! command -v apt-get >/dev/null || ! command -v dpkg >/dev/null; then
    echo "SKIPPED: not a Debian system (no apt-get or dpkg)"
    exit 77
fi
case $(dpkg-query -W -f='${Status}' slidix 2>/dev/null) in
"" | *not-installed | *config-files) ;;
*)
    echo "SKIPPED: a slidix package is already installed here, and this test would remove it"
    exit 77
    ;;
esac

# Whatever happens, the system is left without the package.
installed=no
remove_package() {
    [ "$installed" = yes ] && DEBIAN_FRONTEND=noninteractive apt-get remove -y -q --purge slidix >/dev/null 2>&1
    cleanup
}
trap remove_package EXIT

# CPack works in a directory of its own, so that neither the source tree nor
# the build tree keeps anything of it.
if ! (cd "$tmp" && "${CPACK:-cpack}" -G DEB --config "$BUILD_DIR/CPackConfig.cmake" -B "$tmp/cpack") >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    fail "cpack -G DEB"
    finish
fi
debs=("$tmp"/cpack/*.deb)
check "one package" 1 "${#debs[@]}"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
check "the package's file name" "slidix_${version}_$(dpkg --print-architecture).deb" "$(basename "$deb")"
check "package name" slidix "$(dpkg-deb -f "$deb" Package)"
check "section" games "$(dpkg-deb -f "$deb" Section)"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] && pass "a maintainer" || fail "no Maintainer field"
[ -n "$(dpkg-deb -f "$deb" Description)" ] && pass "a description" || fail "no Description field"

# The run-time libraries, worked out by dpkg-shlibdeps from the binary.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libsdl1.2debian libsdl-image1.2 libsdl-ttf2.0-0 libc6; do
    case ", $depends," in
    *", $library "* | *", $library,"*) pass "depends on $library" ;;
    *) fail "no dependency on $library" ;;
    esac
done

# Owned by root, as installed files must be, though no fakeroot was used.
dpkg-deb -c "$deb" >"$tmp/contents"
check "every file in the package belongs to root" "" "$(awk '$2 != "root/root"' "$tmp/contents")"
grep -q '^-rwxr-xr-x .* \./usr/bin/slidix$' "$tmp/contents" && pass "the launcher in /usr/bin" || fail "no executable ./usr/bin/slidix in the package"
grep -q '^-rwxr-xr-x .* \./usr/libexec/slidix/slidix$' "$tmp/contents" && pass "the game in /usr/libexec/slidix" || fail "no executable ./usr/libexec/slidix/slidix"

if DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "$deb" >"$tmp/apt-install.log" 2>&1; then
    installed=yes
    pass "apt-get install"
else
    cat "$tmp/apt-install.log"
    fail "apt-get install"
    finish
fi
dpkg-query -L slidix >"$tmp/files"

check "the command players type" /usr/bin/slidix "$(command -v slidix)"
check "it comes from the package" "slidix: /usr/bin/slidix" "$(dpkg-query -S /usr/bin/slidix 2>&1)"
file /usr/libexec/slidix/slidix | grep -q ', stripped' && pass "the installed game is stripped" || fail "the installed game keeps its symbols: $(file /usr/libexec/slidix/slidix)"
if out=$(desktop-file-validate /usr/share/applications/slidix.desktop 2>&1) && [ -z "$out" ]; then
    pass "desktop-file-validate"
else
    fail "desktop-file-validate: $out"
fi
if out=$(appstreamcli validate --no-net /usr/share/metainfo/io.github.slidix.Slidix.metainfo.xml 2>&1); then
    pass "appstreamcli validate"
else
    fail "appstreamcli validate: $out"
fi

# As the menu starts it: the command alone, from /.
start_x
start_in / "$tmp/game" slidix
if id=$(wait_window); then
    check "caption" 'Slidix      By Velmorin' "$(xdotool getwindowname "$id")"
    check "window size is the installed back.png's" "$(image_size /usr/share/slidix/back.png)" "$(window_size "$id")"
    check "working directory" /usr/share/slidix "$(readlink "/proc/$game_pid/cwd")"
    wait_board "$id" "$tmp/board.png" && pass "the board is drawn" || fail "no board on the screen"
    repeat_until_gone close_window "$id"
else
    fail "no window appeared: $(cat "$tmp/game.out" "$tmp/game.err")"
fi
wait_exit
check "a window close ends it" 0 "$status"

if DEBIAN_FRONTEND=noninteractive apt-get remove -y -q --purge slidix >"$tmp/apt-remove.log" 2>&1; then
    installed=no
    pass "apt-get remove --purge"
else
    cat "$tmp/apt-remove.log"
    fail "apt-get remove --purge"
fi
case $(dpkg-query -W -f='${Status}' slidix 2>/dev/null) in
"" | *not-installed) pass "the package is gone" ;;
*) fail "the package is still known: $(dpkg-query -W -f='${Status}' slidix)" ;;
esac

# Of the package's list, only directories that other packages own or fill
# may stay.
left=""
while IFS= read -r path; do
    [ -e "$path" ] || [ -L "$path" ] || continue
    if [ -d "$path" ] && ! [ -L "$path" ]; then
        dpkg-query -S "$path" >/dev/null 2>&1 && continue
        [ -n "$(ls -A "$path")" ] && continue
    fi
    left+="$path "
done <"$tmp/files"
check "nothing of the package left behind" "" "$left"
for dir in /usr/share/slidix /usr/libexec/slidix /usr/share/doc/slidix; do
    grep -qx "$dir" "$tmp/files" || fail "dpkg -L did not list $dir"
    [ -e "$dir" ] && fail "$dir is still there"
done

finish
