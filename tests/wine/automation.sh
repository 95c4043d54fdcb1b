#!/usr/bin/env bash
# The Windows program read as a Windows screen reader reads it, through UI Automation, by a
# client of the test's own (automation/uianames.cpp): the resistor's and the bands' names and
# the readout, before and after a nominal is solved; the reading window's bands and answer. automation.sh PROGRAM CLIENT. A Wine that
# has no UI Automation client object (Wine 8 has none; Wine 10 has it) skips the test, saying so.
source "$(dirname "$0")/lib.sh"
readonly client=$2
start_display
start_program

# The images' and the texts' names, in the order of the tree.
names() {
    wine "$client" "$main_title" 2>/dev/null | tr -d '\r' | awk -F '\t' '$1 == 50006 || $1 == 50020 { print $2 }'
}
status=0
wine "$client" "$main_title" >/dev/null 2>&1 || status=$?
if [ "$status" = 3 ]; then
    echo "windows automation: skipped, $(wine --version) has no UI Automation client"
    exit 0
fi
expect_eq "client's status" "$status" 0

expect_eq "names at start" "$(names)" "Нет данных
ОТВЕТ:
Резистор: $BODY_NAME, $BODY_NAME, $BODY_NAME, $BODY_NAME
Полоса 1, первая цифра: $BODY_NAME
Полоса 2, вторая цифра: $BODY_NAME
Полоса 3, множитель: $BODY_NAME
Полоса 4, допуск: $BODY_NAME"

xdotool type --delay 40 47100
top=$(client_top)
click_client $five_percent
wait_for five_percent_chosen || fail "the click did not choose 5%"
xdotool key F5
solved() { names | grep -qx 'Резистор: Желтый, Фиолетовый, Красный, Золотой'; }
wait_for solved || true
expect_eq "names after F5" "$(names | head -n 7)" "4,7 КОм
ОТВЕТ:
Резистор: Желтый, Фиолетовый, Красный, Золотой
Полоса 1, первая цифра: Желтый
Полоса 2, вторая цифра: Фиолетовый
Полоса 3, множитель: Красный
Полоса 4, допуск: Золотой"

# The message boxes' buttons as a screen reader names them, in Russian: "ОК" in the box of F5
# without data, "Да" and "Нет" in the exit question.
buttons() {
    wine "$client" "$1" 2>/dev/null | tr -d '\r' | awk -F '\t' '$1 == 50000 { print $2 }' | sort \
        | paste -sd ' '
}
cleared() { names | grep -qx 'Нет данных'; }
click_client $clear_command
wait_for cleared || fail "Очистить did not clear the readout"
xdotool key F5
wait_for shows_titled "$PROGRAM_TITLE" 1 || fail "F5 without data showed no box"
expect_eq "buttons of the box of F5 without data" "$(buttons "$PROGRAM_TITLE")" "ОК"
xdotool key Return
wait_for shows_titled "$PROGRAM_TITLE" 0 || fail "Enter did not close the box"
activate_main
ask_exit_from_menu
expect_eq "buttons of the exit question" "$(buttons 'Завершение работы')" "Да Нет"
xdotool key Escape
wait_for shows_titled 'Завершение работы' 0 || fail "Escape did not close the question"

# The window that reads a part's colours: its bands and its answer, by name, whatever their kind.
activate_main
xdotool key F6
wait_for shows_titled "$READING_TITLE" 1 || fail "F6 did not open $READING_TITLE"
reading=$(xdotool search --onlyvisible --name "^$READING_TITLE\$" | head -n 1)
wait_for has_focus "$reading" || fail "$READING_TITLE did not take the keyboard"
xdotool key --delay 60 4 Tab 7 Tab 2 Tab Right Right
reading_names() { wine "$client" "$READING_TITLE" 2>/dev/null | tr -d '\r' | cut -f 2; }
answered() { reading_names | grep '^Номинал: 4,7 КОм ' >/dev/null; }
wait_for answered || true
expect_eq "the reading window's bands and answer" \
    "$(reading_names | grep -E '^(Полоса [0-9], [^:]*: .*, |Номинал: )' | sed 's/ Допуск.*//' | sort -u)" \
    "Номинал: 4,7 КОм
Полоса 1, первая цифра: Желтый, 4
Полоса 2, вторая цифра: Фиолетовый, 7
Полоса 3, множитель: Красный, ×100
Полоса 4, допуск: Золотой, ±5 %"
echo "windows automation: passed"
