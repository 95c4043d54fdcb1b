#!/usr/bin/env bash
# F5 with an empty field: the error box appears, and Enter closes it; the legend stays closed.
source "$(dirname "$0")/lib.sh"
start_display
start_program

xdotool type --delay 40 47
xdotool key F5
wait_for shows_titled "$PROGRAM_TITLE" 1 || fail "F5 without data showed no box"
xdotool key Return
wait_for shows_titled "$PROGRAM_TITLE" 0 || fail "Enter did not close the box"
geometry "$main_window"
expect_eq "width after the box" "$width" "$narrow_width"
echo "no data: passed"
