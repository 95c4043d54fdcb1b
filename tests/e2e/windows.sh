#!/usr/bin/env bash
# F1 and F2, each pressed twice: one window each, brought to the front again by the second
# press; its own button closes it.
source "$(dirname "$0")/lib.sh"
start_display
start_program

check_window() {
    local key=$1 title=$2 button_x=$3 button_y=$4
    activate_main
    xdotool key "$key"
    wait_for shows_windows "$title" 1 || fail "$title did not open"
    local window
    window=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
    activate_main
    xdotool key "$key"
    # The second press brings the window it opened to the front, with the keyboard.
    wait_for has_focus "$window" || fail "$title did not come to the front"
    expect_eq "$title windows after two presses" "$(windows_named "$title")" 1
    geometry "$window"
    xdotool mousemove $((x + button_x)) $((y + button_y)) click 1
    wait_for shows_windows "$title" 0 || fail "$title did not close by its button"
}
check_window F1 "Помощь" 416 274
check_window F2 "Немного о программке :)" 196 306
echo "windows: passed"
