#!/bin/bash
# Regenerates the five Slidix pictures in data/ (back, box, alphabox, win, loose) with ImageMagick 6.
set -euo pipefail

data="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/data"
font="$data/times.ttf"
if [ ! -f "$font" ]; then
    echo "make-pictures.sh: missing font $font" >&2
    exit 1
fi

# Timestamps and metadata would make every run produce different bytes.
stable=(-strip -define 'png:exclude-chunks=date,time' +set date:create +set date:modify)

# The game blits back/box/alphabox without a colour key or alpha, so they
# must be plain 8-bit RGB.
opaque() {
    local name=$1
    shift
    convert "$@" -alpha off -depth 8 "${stable[@]}" "PNG24:$data/$name"
}

translucent() {
    local name=$1
    shift
    convert "$@" -depth 8 "${stable[@]}" "PNG32:$data/$name"
}

# Dark top so the near-white score at (0,0) stays readable.
bg_top='rgb(22,28,38)'
bg_bottom='rgb(38,48,62)'
# One flat colour: the rounded corners of box/alphabox are filled with it,
# so any gradient on the frame would show as mismatched corners.
frame='rgb(54,66,84)'
frame_edge='rgb(70,84,104)'
# Mid luminance so black and near-white labels both read; blue hue so the
# red label stands out by hue where luminance alone cannot separate them.
tile='rgb(70,106,160)'
tile_light='rgb(98,134,186)'
tile_dark='rgb(48,76,120)'
slot='rgb(40,50,64)'
slot_shadow='rgb(30,38,50)'
slot_lip='rgb(62,75,94)'

# Cells (100 px, 10 px gaps) start at (110,30); the frame keeps a 10 px
# margin round them, hence 100,20 .. 549,469.
opaque back.png -size 640x480 "gradient:$bg_top-$bg_bottom" \
    \( -size 640x480 xc:none -fill 'rgba(0,0,0,0.55)' \
       -draw 'roundrectangle 102,26 553,477 18,18' -blur 0x6 \) \
    -compose over -composite \
    -fill "$frame_edge" -draw 'roundrectangle 100,20 549,469 16,16' \
    -fill "$frame" -draw 'roundrectangle 101,21 548,468 15,15'

# Raised tile: light top/left edge, dark bottom/right edge, flat face for
# the number.
opaque box.png -size 100x100 "xc:$frame" \
    -fill "$tile_dark" -draw 'roundrectangle 0,0 99,99 12,12' \
    -fill "$tile_light" -draw 'roundrectangle 0,0 97,97 12,12' \
    -fill "$tile" -draw 'roundrectangle 2,2 97,97 10,10'

# Recessed slot: the bevel of the tile turned upside down.
opaque alphabox.png -size 100x100 "xc:$frame" \
    -fill "$slot_lip" -draw 'roundrectangle 0,0 99,99 12,12' \
    -fill "$slot_shadow" -draw 'roundrectangle 0,0 98,98 12,12' \
    -fill "$slot" -draw 'roundrectangle 3,3 98,98 10,10'

# End screens: a veil light enough that the final board still shows, and
# an opaque panel so the message never depends on what lies beneath.  The
# panel is centred on the window and wider than the board, whose frame is
# not centred (100..549): this way no edge sits almost on the frame's and
# no sliver of a cell shows beside it.
veil='rgba(6,9,16,0.62)'
panel='rgb(30,38,52)'
hint='rgb(176,186,200)'

end_picture() {
    local name=$1 accent=$2 title=$3 line=$4
    translucent "$name" -size 640x480 "xc:$veil" \
        \( -size 640x480 xc:none -fill 'rgba(0,0,0,0.6)' \
           -draw 'roundrectangle 76,134 575,360 20,20' -blur 0x8 \) \
        -compose over -composite \
        -fill "$accent" -draw 'roundrectangle 70,125 569,354 20,20' \
        -fill "$panel" -draw 'roundrectangle 74,129 565,350 17,17' \
        -font "$font" -gravity north \
        -fill "$accent" -pointsize 54 -annotate +0+150 "$title" \
        -fill 'rgb(236,240,246)' -pointsize 24 -annotate +0+232 "$line" \
        -fill "$hint" -pointsize 20 -annotate +0+296 'Click to continue'
}

end_picture win.png 'rgb(236,200,92)' 'You won!' 'A tile passed 1024'

end_picture loose.png 'rgb(226,120,104)' 'Game over' 'The board is full'
