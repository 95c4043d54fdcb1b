#!/usr/bin/env bash
# 4, 7, 100 typed with real keys, "5%" chosen with the mouse, F5: the bands and the legend, and
# every edge of the entry fields and their frames drawn, at whatever scale the test is given;
# "Очистить" takes the bands off and closes the legend; a multiplier with the decimal comma
# solves to a gold third band.
source "$(dirname "$0")/lib.sh"
start_display
start_program

xdotool type --delay 40 47100
top=$(client_top)
click_client $five_percent
wait_for five_percent_chosen || fail "the click did not choose 5%"
xdotool key F5
wait_for width_is "$wide_width" || fail "the legend did not open"
top=$(client_top)
expect_bands "bands of 4,7 КОм 5 %" "FFFF00 8000FF FF0000 DDC102"

# The legend's swatches and the edges of the fields and frames, as drawn with the fonts and
# metrics of Linux; under Wine its own fonts reach into a swatch's corner and its metrics move
# the edges, so they are not read there.
if [ -z "${TSVETOZNAK_UNDER_WINE:-}" ]; then
    # The twelve swatches, each read just inside its top-left corner (its label's place in twips),
    # awaited as the bands are, then told one by one.
    readonly swatches='7560 120 000000 black
    7560 360 804000 brown
    7560 600 FF0000 red
    7560 840 FF8000 orange
    7560 1080 D6F3F8 silver
    7560 1320 008000 green
    8280 120 8000FF violet
    8640 360 FFFF00 yellow
    8640 600 DDC102 gold
    8760 840 DDDDDD grey
    8760 1080 FFFFFF white
    8760 1320 0000FF blue'
    swatch() { at $(($(px "$1") + 1)) $(($(px "$2") + 1)); }
    swatches_shown() {
        screenshot
        while read -r left upper colour _; do
            [ "$(swatch "$left" "$upper")" = "$colour" ] || return 1
        done <<<"$swatches"
    }
    wait_for swatches_shown || true
    screenshot
    while read -r left upper colour name; do
        expect_eq "swatch $name" "$(swatch "$left" "$upper")" "$colour"
    done <<<"$swatches"

    # Whether the screen holds the colour on a line of pixels from one logical point of the client
    # area to another, along a row or a column, and one device pixel beyond: an edge is found
    # wherever the scale rounds it to.
    meets() { # meets COLOUR X1 Y1 X2 Y2
        local x1=$((x + $(scaled "$2"))) y1=$((top + $(scaled "$3")))
        local x2=$((x + $(scaled "$4"))) y2=$((top + $(scaled "$5")))
        x2=$((x2 + (x2 > x1) - (x2 < x1)))
        y2=$((y2 + (y2 > y1) - (y2 < y1)))
        local left=$((x1 < x2 ? x1 : x2)) upper=$((y1 < y2 ? y1 : y2))
        region "$left" "$upper" $((x1 + x2 - 2 * left + 1)) $((y1 + y2 - 2 * upper + 1)) \
            | grep -x "$1" >/dev/null
    }
    # Each edge of a box, its place in twips, met going out from its middle in logical pixels: dark
    # on the top and the left; on the bottom and the right the colour given.
    edges() { # edges NAME LEFT TOP WIDTH HEIGHT BOTTOM_RIGHT
        local left upper right bottom middle
        left=$(px "$2") upper=$(px "$3") right=$(($(px $(($2 + $4))) - 1))
        bottom=$(($(px $(($3 + $5))) - 1)) middle=$(((upper + bottom + 1) / 2))
        meets 9F9F9F $((left + 3)) "$middle" $((left + 3)) "$upper" || fail "$1: no top edge"
        meets 9F9F9F $((left + 5)) "$middle" "$left" "$middle" || fail "$1: no left edge"
        meets "$6" $((left + 3)) "$middle" $((left + 3)) "$bottom" || fail "$1: no bottom edge"
        meets "$6" $((right - 5)) "$middle" "$right" "$middle" || fail "$1: no right edge"
    }
    # A field's sunken edge ends in white on the bottom and the right; a frame's etched line is grey
    # on every side. The fields stand in their frames, at 240 below each frame's top.
    edges Text13 $((120 + 360)) $((120 + 240)) 375 285 FFFFFF
    edges Text14 $((1320 + 360)) $((120 + 240)) 375 285 FFFFFF
    edges Text15 $((2520 + 120)) $((120 + 240)) 1335 285 FFFFFF
    edges Frame2 120 120 1095 615 9F9F9F
    edges Frame3 1320 120 1095 615 9F9F9F
    edges Frame4 2520 120 1575 615 9F9F9F
fi

# "Очистить": the bands without colour, the legend closed.
click_client $clear_command
wait_for width_is "$narrow_width" || fail "Очистить did not close the legend"
expect_bands "bands after Очистить" "FFC080 FFC080 FFC080 FFC080"

# A multiplier with the decimal comma of the Russian locale: 4, 7, 0,1 is 4,7 Ом, its third
# band gold. "Очистить" left the keyboard in the first field and "5%" chosen.
xdotool type --delay 40 '470,1'
xdotool key F5
wait_for width_is "$wide_width" || fail "4, 7, 0,1 was not solved"
expect_bands "bands of 4,7 Ом 5 %" "FFFF00 8000FF DDC102 DDC102"
echo "solve: passed"
