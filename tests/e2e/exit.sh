#!/usr/bin/env bash
# "Выход" on the menu bar, answered with Enter (Yes is the default): the program ends with 0,
# its help window with it.
source "$(dirname "$0")/lib.sh"
start_display
start_program

xdotool key F1
wait_for shows_titled 'Помощь' 1 || fail "the help window did not open"
activate_main
ask_exit_from_menu
xdotool key Return
expect_exit "Да" "$program_pid" 0
echo "exit: passed"
