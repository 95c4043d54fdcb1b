#!/usr/bin/env bash
# 4, 7, 100 typed with real keys, "5%" chosen with the mouse, F5: the bands and the legend, and
# every edge of the entry fields and their frames drawn, at whatever scale the test is given.
source "$(dirname "$0")/lib.sh"
start_display
start_program

xdotool type --delay 40 47100
click_client 133 70
xdotool key F5
# 629 pixels wide, within the one pixel that a fractional scale may round it by.
wide() {
    geometry "$main_window"
    local off=$((width - $(scaled 629)))
    [ "${off#-}" -le 1 ]
}
wait_for wide || fail "the legend did not open"

top=$(client_top)
geometry "$main_window"
screenshot
# The colour at a point of the client area, in logical pixels.
at() { pixel $((x + $(scaled "$1"))) $((top + $(scaled "$2"))); }
band() { at "$1" 60; }
expect_eq "band 1" "$(band 364)" FFFF00
expect_eq "band 2" "$(band 380)" 8000FF
expect_eq "band 3" "$(band 396)" FF0000
expect_eq "band 4" "$(band 412)" DDC102

# The twelve swatches, each at its top-left corner.
while read -r left top_offset colour name; do
    expect_eq "swatch $name" "$(at $((left + 1)) $((top_offset + 1)))" "$colour"
done <<'SWATCHES'
504 8 000000 black
504 24 804000 brown
504 40 FF0000 red
504 56 FF8000 orange
504 72 D6F3F8 silver
504 88 008000 green
552 8 8000FF violet
576 24 FFFF00 yellow
576 40 DDC102 gold
584 56 DDDDDD grey
584 72 FFFFFF white
584 88 0000FF blue
SWATCHES

# Whether the screen holds the colour on a line of pixels from one logical point of the client
# area to another, along a row or a column, and one device pixel beyond: an edge is found
# wherever the scale rounds it to.
meets() { # meets COLOUR X1 Y1 X2 Y2
    local x1=$((x + $(scaled "$2"))) y1=$((top + $(scaled "$3")))
    local x2=$((x + $(scaled "$4"))) y2=$((top + $(scaled "$5")))
    x2=$((x2 + (x2 > x1) - (x2 < x1)))
    y2=$((y2 + (y2 > y1) - (y2 < y1)))
    local left=$((x1 < x2 ? x1 : x2)) upper=$((y1 < y2 ? y1 : y2))
    local width=$((x1 + x2 - 2 * left + 1)) height=$((y1 + y2 - 2 * upper + 1))
    convert "$work/shot.png" -crop "${width}x${height}+$left+$upper" +repage txt:- \
        | grep -qi "#$1"
}
# Each edge of a box, in logical pixels of the client area, met going out from its middle: dark
# on the top and the left; on the bottom and the right the colour given.
edges() { # edges NAME LEFT TOP WIDTH HEIGHT BOTTOM_RIGHT
    local left=$2 upper=$3 right=$(($2 + $4 - 1)) bottom=$(($3 + $5 - 1))
    local middle=$(($3 + $5 / 2))
    meets 9F9F9F $((left + 3)) "$middle" $((left + 3)) "$upper" || fail "$1: no top edge"
    meets 9F9F9F $((left + 5)) "$middle" "$left" "$middle" || fail "$1: no left edge"
    meets "$6" $((left + 3)) "$middle" $((left + 3)) "$bottom" || fail "$1: no bottom edge"
    meets "$6" $((right - 5)) "$middle" "$right" "$middle" || fail "$1: no right edge"
}
# A field's sunken edge ends in white on the bottom and the right; a frame's etched line is grey
# on every side.
edges Text13 32 24 25 19 FFFFFF
edges Text14 112 24 25 19 FFFFFF
edges Text15 176 24 89 19 FFFFFF
edges Frame2 8 8 73 41 9F9F9F
edges Frame3 88 8 73 41 9F9F9F
edges Frame4 168 8 105 41 9F9F9F
echo "solve: passed"
