#!/usr/bin/env bash
# "Выход" on the menu bar, answered with Enter (Yes is the default): the program ends with 0,
# its help window with it.
source "$(dirname "$0")/lib.sh"
start_display
start_program

xdotool key F1
wait_for shows_windows 'Помощь' 1 || fail "the help window did not open"
activate_main
# Alt takes the keyboard to the menu bar; Left wraps round to its last entry, "Выход".
xdotool key alt
xdotool key Left Return
wait_for shows_windows 'Завершение работы' 1 || fail "no exit question"
xdotool key Return
expect_exit "Да" "$program_pid" 0
echo "exit: passed"
