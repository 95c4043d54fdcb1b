#!/usr/bin/env bash
# 4, 7, 100 typed with real keys, "5%" chosen with the mouse, F5: the bands and the legend.
source "$(dirname "$0")/lib.sh"
start_display
start_program

xdotool type --delay 40 47100
click_client 133 70
xdotool key F5
wait_for sh -c "xwininfo -id $main_window | grep -q 'Width: $((629 * scale))'" \
    || fail "the legend did not open"

top=$(client_top)
geometry "$main_window"
screenshot
band() { pixel $((x + $1 * scale)) $((top + 60 * scale)); }
expect_eq "band 1" "$(band 364)" FFFF00
expect_eq "band 2" "$(band 380)" 8000FF
expect_eq "band 3" "$(band 396)" FF0000
expect_eq "band 4" "$(band 412)" DDC102

# The twelve swatches, each at its top-left corner.
while read -r left top_offset colour name; do
    expect_eq "swatch $name" \
        "$(pixel $((x + (left + 1) * scale)) $((top + (top_offset + 1) * scale)))" "$colour"
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
echo "solve: passed"
