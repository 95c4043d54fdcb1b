#!/usr/bin/env bash
# Real keys: a digit typed over a selected one replaces it (after Shift+Tab and after a double
# click), and F4 acts while "Основное меню" is dropped down.
source "$(dirname "$0")/lib.sh"
start_display
start_program

xdotool type --delay 40 47
xdotool key shift+Tab
xdotool type --delay 40 8
read -r field_x field_y <<<"$first_digit"
xdotool mousemove $((x + field_x)) $((y + menu_bar + field_y)) click --repeat 2 --delay 80 1
xdotool type --delay 40 5
xdotool key Tab
xdotool type --delay 40 100
xdotool key F5
wait_for width_is "$wide_width" || fail "the legend did not open"
top=$(client_top)
geometry "$main_window"
screenshot
expect_eq "band 1 (5 over 4)" "$(at $(band_point 1))" 008000
expect_eq "band 2 (8 over 7)" "$(at $(band_point 2))" DDDDDD
expect_eq "band 3" "$(at $(band_point 3))" FF0000

# The menu dropped down by a click, seen as the program's second window on the screen; F4
# closes it and hides the legend.
shown_by_program() { [ "$(xdotool search --onlyvisible --pid "$program_pid" | wc -l)" = "$1" ]; }
xdotool mousemove $((x + main_menu_x)) $((y + menu_bar / 2)) click 1
wait_for shown_by_program 2 || fail "the click did not drop the menu down"
xdotool key F4
wait_for width_is "$narrow_width" || fail "F4 did nothing while the menu was open"
# The menu is gone: the next F4 reaches the window at once.
xdotool key F4
wait_for width_is "$wide_width" || fail "the menu stayed open"
echo "keys: passed"
