#!/bin/sh
# Draws the application icon (a prepaid card with a hidden password) at every
# installed size, and the drop-down arrow of the flat combo boxes. Needs ImageMagick's convert; the PNGs are committed, so this
# only runs when the picture changes.
set -eu
cd "$(dirname "$0")"

draw() { # size, then the scale of the 16-pixel grid the shapes are laid on
    s=$2
    convert -size "$1x$1" xc:none \
        -fill '#2f6fb0' -stroke '#1c4a7a' -strokewidth "$s" \
        -draw "roundrectangle $((s / 2)),$((3 * s)) $((16 * s - s / 2 - 1)),$((13 * s - 1)) $((s + s / 2)),$((s + s / 2))" \
        -stroke none -fill '#16324f' \
        -draw "rectangle $s,$((5 * s)) $((15 * s - 1)),$((7 * s - 1))" \
        -fill '#ffffff' \
        -draw "rectangle $((3 * s)),$((9 * s)) $((5 * s - 1)),$((11 * s - 1))" \
        -draw "rectangle $((7 * s)),$((9 * s)) $((9 * s - 1)),$((11 * s - 1))" \
        -draw "rectangle $((11 * s)),$((9 * s)) $((13 * s - 1)),$((11 * s - 1))" \
        -fill '#f2c12e' \
        -draw "rectangle $((12 * s)),$((3 * s + s)) $((14 * s - 1)),$((5 * s - 1))" \
        "PNG32:cardgen-$1.png"
}

draw 16 1
draw 32 2
draw 48 3
draw 128 8

convert -size 9x5 xc:none -fill '#3a4f63' -draw 'polygon 0,0 8,0 4,4' PNG32:drop-down-arrow.png
