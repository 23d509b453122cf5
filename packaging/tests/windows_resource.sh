#!/bin/bash
# Compiles the Windows resource with a resource compiler and checks that the object carries the whole icon.
set -u

if [ -z "${WINDRES:-}" ]; then
    echo "SKIPPED: no Windows resource compiler (windres) was found when the build was configured"
    exit 77
fi
for tool in "$OBJDUMP" "$OBJCOPY"; do
    [ -x "$tool" ] || { echo "FAIL: $tool, which should come with $WINDRES, is missing"; exit 1; }
done

rc="$SOURCE_DIR/packaging/windows/slidix.rc"
ico="$SOURCE_DIR/packaging/windows/slidix.ico"
tmp=$(mktemp -d /tmp/slidix-rc-XXXXXX)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# windres preprocesses with the C compiler of its own prefix; a cross
# compiler is seldom installed beside it, and the host's preprocessor reads
# this file as well.
preprocessor=()
command -v "${WINDRES%windres}gcc" >/dev/null 2>&1 || preprocessor=(--preprocessor=cpp)

# From another directory, as a build does: the icon is found beside the .rc.
if (cd "$tmp" && "$WINDRES" "${preprocessor[@]}" "$rc" -O coff -o "$tmp/slidix-res.o") 2>"$tmp/windres.err"; then
    pass "windres compiles slidix.rc"
else
    fail "windres failed: $(cat "$tmp/windres.err")"
    exit 1
fi

# Idx Name Size VMA LMA File-off Algn: the size is the third field, in hex.
size_hex=$("$OBJDUMP" -h "$tmp/slidix-res.o" | awk '$2 == ".rsrc" { print $3 }')
if [ -z "$size_hex" ]; then
    fail "no .rsrc section in the object"
else
    pass "the object has a .rsrc section"
    # The ICO file is a 6-byte header and 16 bytes a picture before the
    # pictures themselves, which the resource holds unchanged.
    pictures=$(($(stat -c %s "$ico") - 6 - 16))
    if [ $((16#$size_hex)) -ge "$pictures" ]; then
        pass ".rsrc holds $((16#$size_hex)) bytes, at least the icon's $pictures"
    else
        fail ".rsrc holds $((16#$size_hex)) bytes, fewer than the icon's $pictures"
    fi
fi

"$OBJCOPY" -O binary --only-section=.rsrc "$tmp/slidix-res.o" "$tmp/rsrc.bin"
tail -c "+23" "$ico" >"$tmp/picture.bin"
if perl -e 'local $/; open my $r, "<:raw", $ARGV[0] or die; open my $p, "<:raw", $ARGV[1] or die;
            my ($rsrc, $picture) = (<$r>, <$p>); exit(length($picture) > 0 && index($rsrc, $picture) >= 0 ? 0 : 1)' \
        "$tmp/rsrc.bin" "$tmp/picture.bin"; then
    pass "the icon's picture lies byte for byte in the resource"
else
    fail "the icon's picture is not in the resource"
fi

# Decompiled, the object shows one icon and the group Windows picks it from.
"$WINDRES" -J coff -O rc -i "$tmp/slidix-res.o" >"$tmp/decompiled.rc" 2>&1
grep -q '^/\* Type: icon$' "$tmp/decompiled.rc" && pass "an icon resource" || fail "no icon resource"
grep -q '^/\* Type: group icon$' "$tmp/decompiled.rc" && pass "a group icon resource" || fail "no group icon resource"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
