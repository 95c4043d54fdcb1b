#!/usr/bin/env bash
# F4, F3 and "Очистить": the window's size after each, as the four geometry states say.
source "$(dirname "$0")/lib.sh"
start_display
start_program

top=$(client_top)
geometry "$main_window"
menu_bar=$((top - y))
expect_state() {
    local label=$1 want_width=$2 want_client_height=$3
    wait_for sh -c "xwininfo -id $main_window | grep -q 'Width: $want_width\$'" \
        && wait_for sh -c "xwininfo -id $main_window \
            | grep -q 'Height: $((menu_bar + want_client_height))\$'" \
        || { geometry "$main_window"; fail "$label: ${width}x$((height - menu_bar))"; }
}
clear_entry() { click_client $clear_command; }

expect_state "start" "$narrow_width" "$collapsed_height"
xdotool key F4
expect_state "legend shown" "$wide_width" "$collapsed_height"
xdotool key F3
expect_state "expanded" "$wide_width" "$expanded_height"
xdotool key F4
expect_state "expanded, legend hidden" "$narrow_width" "$expanded_height"
clear_entry
expect_state "cleared, still expanded" "$narrow_width" "$expanded_height"
xdotool key F3
expect_state "collapsed" "$narrow_width" "$collapsed_height"
xdotool key F4
expect_state "legend shown again" "$wide_width" "$collapsed_height"
clear_entry
expect_state "cleared" "$narrow_width" "$collapsed_height"
echo "geometry: passed"
