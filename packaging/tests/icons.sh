#!/bin/bash
# Checks the drawn application icons: each desktop size at its size with transparent corners, and the Windows icon as one 100 x 70 picture of 32 bits a pixel.
set -u

icons="$SOURCE_DIR/packaging/icons"
ico="$SOURCE_DIR/packaging/windows/slidix.ico"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }
check() { [ "$2" = "$3" ] && pass "$1" || fail "$1: expected [$2], got [$3]"; }

for size in 48 128 256; do
    png="$icons/slidix-$size.png"
    check "slidix-$size.png is a ${size}x$size PNG" "PNG ${size}x$size" "$(identify -format '%m %wx%h' "$png" 2>&1)"
    # The plate has round corners: the corner pixel is clear, the middle is not.
    check "slidix-$size.png: clear corner" 0 "$(convert "$png" -format '%[fx:int(255*p{0,0}.a)]' info: 2>&1)"
    check "slidix-$size.png: opaque middle" 255 "$(convert "$png" -format "%[fx:int(255*p{$((size / 2)),$((size / 2))}.a)]" info: 2>&1)"
done

# bytes FILE OFFSET COUNT: little-endian unsigned number at OFFSET.
bytes() { od -An -tu"$3" -j "$2" -N "$3" "$1" | tr -d ' '; }
check "ICO: icon type" 1 "$(bytes "$ico" 2 2)"
check "ICO: one picture" 1 "$(bytes "$ico" 4 2)"
check "ICO: width" 100 "$(bytes "$ico" 6 1)"
check "ICO: height" 70 "$(bytes "$ico" 7 1)"
check "ICO: 32 bits a pixel in the directory" 32 "$(bytes "$ico" 12 2)"
offset=$(bytes "$ico" 18 4)
check "ICO: the picture follows the directory" 22 "$offset"
check "ICO: the directory gives the picture's length" "$(($(stat -c %s "$ico") - 22))" "$(bytes "$ico" 14 4)"
# The picture is a bitmap without its file header: its own header says 32 bits
# (8 of them alpha), and its height counts the colour and mask halves.
check "ICO: bitmap header" 40 "$(bytes "$ico" "$offset" 4)"
check "ICO: bitmap width" 100 "$(bytes "$ico" $((offset + 4)) 4)"
check "ICO: bitmap height (colour and mask)" 140 "$(bytes "$ico" $((offset + 8)) 4)"
check "ICO: bitmap of 32 bits a pixel" 32 "$(bytes "$ico" $((offset + 14)) 2)"
check "ImageMagick reads one 100x70 picture with alpha" "100x70 True;" "$(identify -format '%wx%h %A;' "$ico" 2>&1)"
check "ICO: a clear corner" 0 "$(convert "${ico}[0]" -format '%[fx:int(255*p{0,0}.a)]' info: 2>&1)"
check "ICO: an opaque middle" 255 "$(convert "${ico}[0]" -format '%[fx:int(255*p{50,35}.a)]' info: 2>&1)"

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "all checks passed"
