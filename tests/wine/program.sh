#!/usr/bin/env bash
# The Windows program from its portable folder, under Wine in a fresh prefix, a Russian user's
# Windows: driven with real keys and clicks and read back from the screen as on Linux.
source "$(dirname "$0")/lib.sh"
start_display
start_program

expect_started_window

width_is() { geometry "$main_window"; [ "$width" = "$1" ]; }
band() { pixel $((x + $1)) $((top + 60)); }
bands() { screenshot; echo "$(band 364) $(band 380) $(band 396) $(band 412)"; }
# Wine shows the window's new size before its new picture: the bands are awaited, then told.
bands_are() { [ "$(bands)" = "$1" ]; }
expect_bands() {
    wait_for bands_are "$2" || true
    expect_eq "$1" "$(bands)" "$2"
}

# 4, 7, 100 and "5%", F5: the bands and the legend.
xdotool type --delay 40 47100
click_client 133 70
wait_for five_percent_chosen || fail "the click did not choose 5%"
xdotool key F5
wait_for width_is 629 || fail "the legend did not open"
expect_bands "bands of 4,7 КОм 5 %" "FFFF00 8000FF FF0000 DDC102"

# "Очистить": the bands without colour, the legend closed.
click_client 395 103
wait_for width_is 496 || fail "Очистить did not close the legend"
expect_bands "bands after Очистить" "FFC080 FFC080 FFC080 FFC080"

# F5 without data: the error box, which Enter closes.
xdotool key F5
wait_for shows_windows "$PROGRAM_TITLE" 1 || fail "F5 without data showed no box"
xdotool key Return
wait_for shows_windows "$PROGRAM_TITLE" 0 || fail "Enter did not close the box"

# A multiplier with the decimal comma of the Russian locale: 4, 7, 0,1 is 4,7 Ом, its third
# band gold.
activate_main
xdotool type --delay 40 '470,1'
xdotool key F5
wait_for width_is 629 || fail "4, 7, 0,1 was not solved"
expect_bands "bands of 4,7 Ом 5 %" "FFFF00 8000FF DDC102 DDC102"

# F1 and F2: each window opens, and its own button closes it.
for window in "F1 Помощь 416 274" "F2 Немного_о_программке_:) 196 306"; do
    read -r key title button_x button_y <<<"$window"
    title=${title//_/ }
    activate_main
    xdotool key "$key"
    wait_for shows_windows "$title" 1 || fail "$key did not open $title"
    other=$(xdotool search --onlyvisible --name "^$title\$" | head -n 1)
    wait_for has_focus "$other" || fail "$title did not take the keyboard"
    geometry "$other"
    xdotool mousemove $((x + button_x)) $((y + button_y)) click 1
    wait_for shows_windows "$title" 0 || fail "$title did not close by its button"
done

# The close box asks whether to end: No keeps the program, Yes ends it, with status 0.
close_box() {
    geometry "$main_window"
    read -r _ right frame_top _ < <(xprop -id "$main_window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    xdotool mousemove $((x + width + right - 10)) $((y - frame_top / 2)) click 1
    wait_for shows_windows 'Завершение работы' 1 || fail "the close box asked nothing"
    wait_for has_focus "$(xdotool search --onlyvisible --name '^Завершение работы$' | head -n 1)" \
        || fail "the question did not take the keyboard"
}
activate_main
close_box
xdotool key Escape
wait_for shows_windows 'Завершение работы' 0 || fail "No did not close the question"
kill -0 "$program_pid" 2>/dev/null || fail "the program ended on No"
close_box
xdotool key Return
expect_exit "Yes" "$program_pid" 0
echo "windows program: passed"
