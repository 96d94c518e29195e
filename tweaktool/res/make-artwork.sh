#!/bin/sh
# Draws the tweak tool's program icon: three slider tracks with their knobs at different
# positions, on a rounded slate tile. Each size is drawn on its own pixel grid so the small one
# stays crisp. Needs ImageMagick's convert; the resulting Tinkrel.ico is kept in the repository,
# so building needs no ImageMagick.
#   tweaktool/res/make-artwork.sh
set -eu
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

knobs='#f6ae2d #86bbd8 #f26419'

# icon SIZE RADIUS MARGIN KNOB_HALF_WIDTH KNOB_HALF_HEIGHT "Y1 X1" "Y2 X2" "Y3 X3"
# writes $work/iconSIZE.png: the tile, then per track a two-pixel groove and a knob at (X, Y).
icon() {
    size=$1 radius=$2 margin=$3 kw=$4 kh=$5
    shift 5
    last=$((size - 1))
    mvg="$work/icon$size.mvg"
    {
        echo "stroke '#1b2a33' fill '#2f4858'"
        echo "roundrectangle 0,0 $last,$last $radius,$radius"
        set -- "$1" "$2" "$3" $knobs
        for track in 1 2 3; do
            eval "pair=\$$track colour=\$$((track + 3))"
            y=${pair% *} x=${pair#* }
            echo "stroke none fill '#9fb3c0'"
            echo "rectangle $margin,$((y - 1)) $((last - margin)),$y"
            echo "stroke '#1b2a33' fill '$colour'"
            echo "rectangle $((x - kw)),$((y - kh)) $((x + kw)),$((y + kh))"
        done
    } >"$mvg"
    convert -size "${size}x${size}" xc:none +antialias -draw "$(cat "$mvg")" "PNG32:$work/icon$size.png"
}

icon 32 5 5 2 4 "9 20" "16 10" "23 16"
icon 16 2 2 1 2 "4 10" "8 5" "12 8"

convert "$work/icon32.png" "$work/icon16.png" "$here/Tinkrel.ico"
echo "wrote $here/Tinkrel.ico"
