#!/bin/bash
# Regenerates the five Slidix pictures in data/ (back, box, alphabox, win, loose) and the application icons in packaging/ with ImageMagick 6.
set -euo pipefail

data="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)/data"
font="$data/times.ttf"
if [ ! -f "$font" ]; then
    echo "make-pictures.sh: missing font $font" >&2
    exit 1
fi

# Timestamps and metadata would make every run produce different bytes.
stable=(-strip -define 'png:exclude-chunks=date,time' +set date:create +set date:modify)

# The game blits back/box/alphabox as loaded, without a colour key or alpha,
# so they carry neither.  Their few flat colours fit a palette: a palette PNG
# loads as 8 bits a pixel, which SDL blits to the 32-bit window through a
# table, several times faster than 24-bit RGB, with exactly the same pixels.
# A picture of more than 256 colours would lose some in a palette: it stays
# RGB, and says so.
opaque() {
    local name=$1
    shift
    convert "$@" -alpha off -depth 8 "${stable[@]}" "PNG24:$data/$name"
    local colours
    colours=$(identify -format '%k' "$data/$name")
    if [ "$colours" -le 256 ]; then
        convert "$data/$name" "${stable[@]}" "PNG8:$data/$name"
    else
        echo "make-pictures.sh: $name has $colours colours, kept as 24-bit RGB (slower to draw)" >&2
    fi
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

# The application icon: a few cells of the board in the game's own colours,
# drawn with the same bevels as box.png and alphabox.png.
packaging="$(dirname "$data")/packaging"
mkdir -p "$packaging/icons" "$packaging/windows"
icon_background='rgb(22,28,38)'

# icon_draw W H COLS ROWS CELL GAP MARGIN PATTERN: prints the drawing commands
# of a COLS x ROWS board of CELL-pixel cells, GAP apart, on its frame, on a
# dark rounded plate MARGIN pixels inside a W x H canvas.  PATTERN lists the
# cells row by row, T for a tile and . for an empty slot.
icon_draw() {
    local w=$1 h=$2 cols=$3 rows=$4 cell=$5 gap=$6 margin=$7 pattern=$8
    local board_w=$((cols * cell + (cols - 1) * gap))
    local board_h=$((rows * cell + (rows - 1) * gap))
    # The frame shows round the cells as it does round the game's board.
    local pad=$((gap / 2 + 1))
    local x0=$(((w - board_w) / 2)) y0=$(((h - board_h) / 2))
    # Bevel and rounding follow the cell size, so that they still show on the
    # smallest icon.
    local bevel=$(((cell + 10) / 16)) round=$((cell / 6))
    local plate_round=$(((w < h ? w : h) / 6))
    local r c x y
    echo "fill '$icon_background' roundrectangle $margin,$margin $((w - 1 - margin)),$((h - 1 - margin)) $plate_round,$plate_round"
    echo "fill '$frame' roundrectangle $((x0 - pad)),$((y0 - pad)) $((x0 + board_w - 1 + pad)),$((y0 + board_h - 1 + pad)) $((round + pad)),$((round + pad))"
    for r in $(seq 0 $((rows - 1))); do
        for c in $(seq 0 $((cols - 1))); do
            x=$((x0 + c * (cell + gap)))
            y=$((y0 + r * (cell + gap)))
            if [ "${pattern:$((r * cols + c)):1}" = T ]; then
                echo "fill '$tile_dark' roundrectangle $x,$y $((x + cell - 1)),$((y + cell - 1)) $round,$round"
                echo "fill '$tile_light' roundrectangle $x,$y $((x + cell - 1 - bevel)),$((y + cell - 1 - bevel)) $round,$round"
                echo "fill '$tile' roundrectangle $((x + bevel)),$((y + bevel)) $((x + cell - 1 - bevel)),$((y + cell - 1 - bevel)) $((round - 1)),$((round - 1))"
            else
                echo "fill '$slot_lip' roundrectangle $x,$y $((x + cell - 1)),$((y + cell - 1)) $round,$round"
                echo "fill '$slot_shadow' roundrectangle $x,$y $((x + cell - 2)),$((y + cell - 2)) $round,$round"
                echo "fill '$slot' roundrectangle $((x + bevel)),$((y + bevel)) $((x + cell - 2)),$((y + cell - 2)) $((round - 1)),$((round - 1))"
            fi
        done
    done
}

# The desktop sizes are one 256-pixel drawing, scaled before it is drawn
# rather than after, so that the small icons keep sharp edges.
square_icon=$(icon_draw 256 256 3 3 56 10 8 'T.TTT...T')
for sized in 48:0.1875 128:0.5 256:1; do
    size=${sized%:*} factor=${sized#*:}
    convert -size "${size}x$size" xc:none -draw "scale $factor,$factor $square_icon" \
        -depth 8 "${stable[@]}" "PNG32:$packaging/icons/slidix-$size.png"
done

# Windows takes its application icon from the executable: one 100 x 70
# picture, 32 bits a pixel so that its rounded corners stay transparent.
convert -size 100x70 xc:none -draw "$(icon_draw 100 70 3 2 24 4 0 'T.T.TT')" \
    -depth 8 -type TrueColorAlpha "${stable[@]}" "ICO:$packaging/windows/slidix.ico"
