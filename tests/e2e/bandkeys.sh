#!/usr/bin/env bash
# F6 opens the window that reads a part's colours, once however often it is pressed; the worked
# part picked with real keys shows its four bands on the drawn part; Escape closes the window.
# Run on Linux and with the program under Wine.
source "$(dirname "$0")/lib.sh"
start_display
start_program

# The drawn part's bands, left to right, as the screen shows them: the body's inside is the only
# place of the window in the body's colour, and along its middle row every other colour is a
# band's.
drawn_bands() {
    screenshot "$reading"
    local body
    body=$(convert "$work/shot.ppm" -fill black +opaque '#FFC080' -format '%@' info: 2>/dev/null)
    [[ $body =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    region $((x + BASH_REMATCH[3])) $((y + BASH_REMATCH[4] + BASH_REMATCH[2] / 2)) \
        "${BASH_REMATCH[1]}" 1 | uniq | { grep -vx FFC080 || true; } | paste -sd ' '
}
drawn_bands_are() { [ "$(drawn_bands)" = "$1" ]; }

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
expect_eq "drawn bands before any is chosen" "$(drawn_bands)" ""

read -ra keys <<<"$WORKED_PART_KEYS"
xdotool key --delay 60 "${keys[@]}"
wait_for drawn_bands_are "$WORKED_PART_COLOURS" || true
expect_eq "the worked part's drawn bands" "$(drawn_bands)" "$WORKED_PART_COLOURS"
xdotool key Escape
wait_for shows_titled "$READING_TITLE" 0 || fail "Escape did not close $READING_TITLE"
echo "bandkeys: passed"
