#!/usr/bin/env bash
# The main window's close box asks the exit question; No keeps the program running and taking
# keys, Yes ends it with status 0.
source "$(dirname "$0")/lib.sh"
start_display
start_program

# The window manager's frame: left, right, top, bottom. The close box is the last button of
# the title bar.
close_box() {
    geometry "$main_window"
    local right frame_top
    read -r _ right frame_top _ < <(xprop -id "$main_window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    xdotool mousemove $((x + width + right - 10)) $((y - frame_top / 2)) click 1
    wait_for shows_titled 'Завершение работы' 1 || fail "the close box asked nothing"
    wait_for has_focus "$(xdotool search --onlyvisible --name '^Завершение работы$' | head -n 1)" \
        || fail "the question did not take the keyboard"
}
close_box
xdotool key Escape
wait_for shows_titled 'Завершение работы' 0 || fail "the question stayed"
# Still running and still taking keys, once the window manager has given them back: F4 opens
# the legend.
wait_for has_focus "$main_window" || fail "the main window did not get the keyboard back"
xdotool key F4
wait_for width_is "$wide_width" || fail "the program ended on No"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on No"
expect_eq "main window count" "$(titled_count "$main_title")" 1
close_box
xdotool key Return
expect_exit "Yes" "$program_pid" 0
echo "close box: passed"
