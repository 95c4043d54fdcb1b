#!/usr/bin/env bash
# The main window's close box asks the exit question; No keeps the program running and taking
# keys.
source "$(dirname "$0")/lib.sh"
start_display
start_program

geometry "$main_window"
# The window manager's frame: left, right, top, bottom. The close box is the last button of
# the title bar.
read -r _ right top _ < <(xprop -id "$main_window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
xdotool mousemove $((x + width + right - 10)) $((y - top / 2)) click 1
wait_for shows_windows 'Завершение работы' 1 || fail "the close box asked nothing"
xdotool key Escape
wait_for shows_windows 'Завершение работы' 0 || fail "the question stayed"
# Still running and still taking keys: F4 opens the legend.
xdotool key F4
wait_for sh -c "xwininfo -id $main_window | grep -q 'Width: 629'" || fail "the program ended on No"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on No"
expect_eq "main windows" "$(windows_named "$main_title")" 1
echo "close box: passed"
