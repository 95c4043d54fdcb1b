#!/usr/bin/env bash
# F6 opens the window that reads a part's colours, once however often it is pressed; a part of
# 4,7 КОм ±5 % picked with real keys (4, 7, 2 for the figures and the multiplier, two steps
# right for gold) shows its four bands on the drawn part; Escape closes the window.
source "$(dirname "$0")/lib.sh"
start_display
start_program

# The middle of drawn band N, 1 to 4, of a four-band part in the reading window's client area:
# the body at 3420, 3300 (615 high), the figures and the multiplier 240 apart from 300 in, the
# tolerance at 1560, each 135 wide.
reading_band_point() {
    local offset=$((300 + 240 * ($1 - 1)))
    [ "$1" = 4 ] && offset=1560
    echo "$(px $((3420 + offset + 67))) $(px $((3300 + 300)))"
}
reading_bands() {
    screenshot "$reading"
    local band point
    for band in 1 2 3 4; do
        read -r -a point <<<"$(reading_band_point "$band")"
        pixel $((x + $(scaled "${point[0]}"))) $((reading_top + $(scaled "${point[1]}")))
    done | paste -sd ' '
}
reading_bands_are() { [ "$(reading_bands)" = "$1" ]; }

xdotool key F6
wait_for shows_titled "$READING_TITLE" 1 || fail "F6 did not open $READING_TITLE"
reading=$(xdotool search --onlyvisible --name "^$READING_TITLE\$" | head -n 1)
wait_for has_focus "$reading" || fail "$READING_TITLE did not take the keyboard"
activate_main
xdotool key F6
wait_for has_focus "$reading" || [ -n "${TSVETOZNAK_UNDER_WINE:-}" ] \
    || fail "$READING_TITLE did not come to the front"
expect_eq "$READING_TITLE count after two presses" "$(titled_count "$READING_TITLE")" 1
xdotool windowactivate --sync "$reading"
wait_for has_focus "$reading" || fail "$READING_TITLE could not be activated"
reading_top=$(client_top "$reading")

xdotool key --delay 60 4 Tab 7 Tab 2 Tab Right Right
expected="FFFF00 8000FF FF0000 DDC102"
wait_for reading_bands_are "$expected" || true
expect_eq "bands of yellow, violet, red, gold" "$(reading_bands)" "$expected"
xdotool key Escape
wait_for shows_titled "$READING_TITLE" 0 || fail "Escape did not close $READING_TITLE"
echo "readpart: passed"
