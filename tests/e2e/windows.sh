#!/usr/bin/env bash
# F1 and F2, each pressed twice: one window each; its own button closes it.
source "$(dirname "$0")/lib.sh"
start_display
start_program

check_window() {
    local key=$1 title=$2 button_x=$3 button_y=$4
    activate_main
    xdotool key "$key"
    wait_for shows_windows "$title" 1 || fail "$title did not open"
    activate_main
    xdotool key "$key"
    sleep 0.5
    expect_eq "$title windows after two presses" "$(windows_named "$title")" 1
    local window
    window=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
    xdotool windowactivate --sync "$window"
    geometry "$window"
    xdotool mousemove $((x + button_x)) $((y + button_y)) click 1
    wait_for shows_windows "$title" 0 || fail "$title did not close by its button"
}
check_window F1 "Помощь" 416 274
check_window F2 "Немного о программке :)" 196 306
echo "windows: passed"
