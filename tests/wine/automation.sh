#!/usr/bin/env bash
# The Windows program read as a Windows screen reader reads it, through UI Automation, by a
# client of the test's own (automation/uianames.cpp): the resistor's and the bands' names and
# the readout, before and after a nominal is solved; the reading window's bands and answer; the
# SMD window's answer to a marking; the best answer of the window that makes a value of parts,
# an item of its list. automation.sh PROGRAM CLIENT. A Wine that
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

# The window that reads a part's colours: each band a list (control type 50008) named for the
# band, with its colours as list items (50007); the answer a text (50020). The chosen item of
# each list has the keyboard focus while its list has it: read band by band, from the last the
# keys chose back to the first. Wine 10's client does not read an item's selection yet; where a
# client does, the chosen items are the selected ones.
activate_main
xdotool key F6
wait_for shows_titled "$READING_TITLE" 1 || fail "F6 did not open $READING_TITLE"
reading=$(xdotool search --onlyvisible --name "^$READING_TITLE\$" | head -n 1)
wait_for has_focus "$reading" || fail "$READING_TITLE did not take the keyboard"
read -ra keys <<<"$WORKED_PART_KEYS"
xdotool key --delay 60 "${keys[@]}"
reading_tree() { wine "$client" "$READING_TITLE" 2>/dev/null | tr -d '\r'; }
# Kept for the reader of a failure: the reading window's tree as the client read it.
keep_on_failure() { echo "--- the reading window's tree" >&2; reading_tree >&2; }
answer=${WORKED_PART_ANSWER//|/ }
answered() { reading_tree | grep -qxF "50020	$answer"; }
wait_for answered || true
expect_eq "the reading window's answer" "$(reading_tree | grep -cxF "50020	$answer")" 1
# Each list's name and how many items it has; the items a client reads as selected; the item
# with the keyboard focus, after its list's name.
lists_read() {
    reading_tree | awk -F '\t' '$1 == 50008 { list = $2; items[list] = 0 }
        $1 == 50007 && list != "" { items[list]++ }
        $1 != 50008 && $1 != 50007 { list = "" }
        END { for (l in items) print l " (" items[l] ")" }' | sort
}
selected_items() { reading_tree | awk -F '\t' '$1 == 50007 && $3 == "selected" { print $2 }'; }
focused_item() {
    reading_tree | awk -F '\t' '$1 == 50008 { list = $2 }
        $1 == 50007 && $NF == "focused" { print list ": " $2 }'
}
focused_is() { [ "$(focused_item)" = "$1" ]; }
IFS='|' read -ra lists <<<"$WORKED_PART_LISTS"
IFS='|' read -ra items <<<"$WORKED_PART_ITEMS"
expect_eq "the reading window's lists" "$(lists_read)" "${lists[0]} (10)
${lists[1]} (10)
${lists[2]} (13)
${lists[3]} (10)"
read_selected=$(selected_items)
[ -z "$read_selected" ] \
    || expect_eq "the selected items" "$read_selected" "$(printf '%s\n' "${items[@]}")"
for band in 3 2 1 0; do
    wait_for focused_is "${lists[band]}: ${items[band]}" || true
    expect_eq "the chosen item of band $((band + 1)), focused" "$(focused_item)" \
        "${lists[band]}: ${items[band]}"
    xdotool key shift+Tab
done

# Opens from the main window the window that the key opens, and waits for its keyboard.
open_window() { # open_window KEY TITLE
    activate_main
    xdotool key "$1"
    wait_for shows_titled "$2" 1 || fail "$1 did not open $2"
    local opened
    opened=$(xdotool search --onlyvisible --name "^$2\$" | head -n 1)
    wait_for has_focus "$opened" || fail "$2 did not take the keyboard"
}

# The window that reads a chip's marking: the worked part's marking typed, its answer a text
# named with the whole answer.
open_window F7 "$SMD_TITLE"
xdotool type --delay 60 "$SMD_MARKING"
smd_tree() { wine "$client" "$SMD_TITLE" 2>/dev/null | tr -d '\r'; }
keep_on_failure() { echo "--- the SMD window's tree" >&2; smd_tree >&2; }
smd_answer=${SMD_ANSWER//|/ }
smd_answered() { smd_tree | grep -qxF "50020	$smd_answer"; }
wait_for smd_answered || true
expect_eq "the SMD window's answer" "$(smd_tree | grep -cxF "50020	$smd_answer")" 1

# The window that makes a value of parts: a value typed, its best answer a list item (50007)
# named with the whole line.
open_window F8 "$COMBINATION_TITLE"
xdotool type --delay 60 "$COMBINATION_TARGET"
combination_tree() { wine "$client" "$COMBINATION_TITLE" 2>/dev/null | tr -d '\r'; }
keep_on_failure() { echo "--- the tree of $COMBINATION_TITLE" >&2; combination_tree >&2; }
best_listed() { combination_tree | grep -qxF "50007	$COMBINATION_BEST"; }
wait_for best_listed || true
expect_eq "the best answer listed" "$(combination_tree | grep -cxF "50007	$COMBINATION_BEST")" 1
echo "windows automation: passed"
