#!/usr/bin/env bash
# Nothing is lost while the program starts: a close request, keys and a click that come the
# moment the main window is on the screen with the keyboard, before it has drawn itself, are
# acted on as they are later. One core of the machine is kept busy all the while.
source "$(dirname "$0")/lib.sh"
start_display
sh -c 'while :; do :; done' &
pids+=($!)

stop_program() {
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
}

# The window manager asked to close the window, as its close box does: the exit question; No
# keeps the program running.
launch_program
wmctrl -i -c "$main_window"
wait_for shows_titled 'Завершение работы' 1 || fail "the close request at start asked nothing"
wait_for has_focus "$(xdotool search --onlyvisible --name '^Завершение работы$' | head -n 1)" \
    || fail "the question did not take the keyboard"
xdotool key Escape
wait_for shows_titled 'Завершение работы' 0 || fail "the question stayed"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on No"
stop_program

# 4, 7, 100 and F5: the bands painted and the legend open.
launch_program
xdotool type --delay 40 47100
xdotool key F5
wait_for width_is "$wide_width" || fail "F5 at start did not solve"
top=$(client_top)
screenshot
expect_eq "bands typed at start" "$(at $(band_point 1)) $(at $(band_point 2)) $(at $(band_point 3))" \
    "FFFF00 8000FF FF0000"
stop_program

# A click on "5%", placed by the window's size alone: the option chosen.
launch_program
top=$((y + menu_bar))
read -r option_x option_y <<<"$five_percent"
xdotool mousemove $((x + $(scaled "$option_x"))) $((top + $(scaled "$option_y"))) click 1
wait_for five_percent_chosen || fail "the click at start did not choose 5%"
echo "early input: passed"
