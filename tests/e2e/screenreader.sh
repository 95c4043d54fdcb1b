#!/usr/bin/env bash
# The program heard as a blind user hears it: Debian's screen reader Orca runs beside it on an
# accessibility bus of their own, the program is driven with real keys only, and what Orca
# speaks and puts on the braille line is read from its debug log as Orca writes it. The second
# argument is another program, of the test's own, that takes the activation from the main
# window for a while. Runs inside dbus-run-session.
#
# The steps are told apart by a Shift pressed alone after each, which does nothing in the
# program and which Orca echoes as "shift". A step waits until Orca has presented what the step
# must bring before it presses its Shift, and the next step starts once Orca has echoed it.
source "$(dirname "$0")/lib.sh"
readonly other_program=$2
start_display
start_accessibility_bus

# Orca runs once per user: the test does not stop one that is already running, which may be the
# user's own screen reader, and is skipped instead.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIP: an Orca of this user is running already" >&2
    exit 77
fi
# Orca writes its debug log to a file in blocks, the last of them only as it ends, but to a
# terminal line by line: it runs on the terminal of `script`, which copies every line into the
# log as it comes. No sound device here: a speech server address where there is none, so that
# Orca never waits for one and logs all that it would say. Fresh settings: Orca's own defaults,
# keys echoed.
SPEECHD_ADDRESS=unix_socket:$work/no-speech-server script -qfc \
    "exec orca --debug-file=/dev/tty -u '$work/orca-settings' >'$work/orca.log' 2>&1" \
    "$work/orca-debug.txt" </dev/null >/dev/null 2>&1 &
terminal=$!
pids+=("$terminal")
# Orca itself, so that it is stopped, and has ended, before its terminal goes.
wait_for pgrep -P "$terminal" -x orca || fail "Orca did not start"
orca_pid=$(pgrep -P "$terminal" -x orca)
pids+=("$orca_pid")
# Kept where a failure can be read: the whole of Orca's log.
keep_on_failure() {
    tr -d '\r' <"$work/orca-debug.txt" >"${TMPDIR:-/tmp}/e2e-orca-$$.txt"
    echo "Orca's debug log: ${TMPDIR:-/tmp}/e2e-orca-$$.txt" >&2
}

# What Orca has said and put on the braille line so far, in its order, one line each: "S text"
# or "B text". Orca 43 logs a braille line as "BRAILLE LINE", Orca 48 a message as "BRAILLE:
# Display message"; Orca 43 closes speech with a period, and Orca 48 calls a push button a
# button. The words are compared, not one version's way of logging them: the closing period,
# the braille cursor's mark and the word "push" are dropped.
presented_so_far() {
    tr -d '\r' <"$work/orca-debug.txt" \
        | sed -nE -e "s/^.*SPEECH OUTPUT: '(.*)' ?\[?\{'established.*$/S \1/p" \
            -e "s/^.*BRAILLE LINE: +'(.*)'$/B \1/p" \
            -e "s/^.*BRAILLE: Display message: '(.*)'.*$/B \1/p" \
        | sed -E -e 's/ *\$l$//' -e 's/[ .]+$//' -e 's/push button$/button/'
}
# Sorts what was presented into the steps: spoken N and brailled N.
sort_into_steps() {
    rm -f "$work"/spoken* "$work"/brailled*
    presented_so_far | awk -v dir="$work" 'BEGIN { n = 1 }
        /^S (left |right )?shift$/ { n++; next }
        /^S / { print substr($0, 3) > (dir "/spoken" n) }
        /^B / { print substr($0, 3) > (dir "/brailled" n) }'
    for n in $(seq "$steps"); do touch "$work/spoken$n" "$work/brailled$n"; done
}
readonly steps=31

# Orca listens once it hears what happens on the desktop: the first event it logs is its own
# arrival there.
orca_listens() {
    grep -qE 'EVENT MANAGER: [a-z]+:[a-z:-]+ for ' "$work/orca-debug.txt"
}
wait_for orca_listens || fail "Orca does not listen"
start_program

# Whether Orca has presented, in the step, a line that is the text, or with `ending` one that
# ends in it after a space (Orca 43 brailles a control after its window and panels), with
# `starting` one that starts with it before a space (Orca 48 says a control's name and states in
# one line, Orca 43 in two), or with `within` one that holds it between spaces or at either end
# (a list item as Orca brailles it, among its list and its role).
presented_in() { # presented_in spoken|brailled STEP TEXT [ending|starting|within]
    sort_into_steps
    awk -v text="$3" -v part="${4:-}" '
        $0 == text { found = 1 }
        part == "ending" && substr($0, length($0) - length(text)) == " " text { found = 1 }
        part == "starting" && substr($0, 1, length(text) + 1) == text " " { found = 1 }
        part == "within" && index(" " $0 " ", " " text " ") { found = 1 }
        END { exit !found }' "$work/$1$2"
}
# Waits, as long as it may take, until Orca has presented the text in the step; what it never
# presents the checks at the end report.
await() { wait_for presented_in "$@" || true; }
# Whether Orca spoke, in the step, the line FIRST before the line SECOND.
spoken_before() { # spoken_before STEP FIRST SECOND
    sort_into_steps
    awk -v first="$2" -v second="$3" '$0 == first && !seen { seen = NR }
        $0 == second && seen { found = 1 } END { exit !found }' "$work/spoken$1"
}
# Ends the step: Shift, and the step is over once Orca has echoed it.
steps_ended() { [ "$(presented_so_far | grep -cE '^S (left |right )?shift$')" -ge "$1" ]; }
end_step() { # end_step STEP
    xdotool key Shift_L
    wait_for steps_ended "$1" || fail "Orca did not echo the end of step $1"
}
# Flat review on the desktop layout: KP_Subtract enters and leaves it, KP_Page_Up goes a line
# down, KP_Home a line up. Each key is pressed once Orca has read the line the last one went to,
# down to the commands' line at the bottom and back up to the menu bar at the top.
spoken_count() { presented_so_far | grep -c '^S ' || true; }
speaks_more_than() { [ "$(spoken_count)" -gt "$1" ]; }
review_to() { # review_to KEY PATTERN: KEY until Orca reads a line that matches
    local before i
    for i in $(seq 20); do
        before=$(spoken_count)
        xdotool key "$1"
        wait_for speaks_more_than "$before" || fail "flat review: $1 read nothing"
        presented_so_far | grep '^S ' | tail -n 1 | grep -q -- "$2" && return
    done
    fail "flat review never read '$2'"
}
review_screen() { # review_screen [BOTTOM TOP]: the lines down to BOTTOM and up to TOP
    local before
    before=$(spoken_count)
    xdotool key KP_Subtract
    wait_for speaks_more_than "$((before + 1))" || fail "flat review did not start"
    review_to KP_Page_Up "${1:-F5 - Решить}"
    review_to KP_Home "${2:-^S Основное меню}"
    before=$(spoken_count)
    xdotool key KP_Subtract
    wait_for speaks_more_than "$before" || fail "flat review did not end"
}

problems=()
answer="Резистор: Желтый, Фиолетовый, Красный, Золотой"
# 1: started, the focus in the first field.
await spoken 1 "1 цифра text"
end_step 1
# 2 and 3: the legend shown, and the screen read with it.
xdotool key F4
await brailled 2 "Легенда показана"
end_step 2
review_screen
end_step 3
# 4 and 5: the legend hidden, and the screen read without it.
xdotool key F4
await brailled 4 "Легенда скрыта"
end_step 4
review_screen
end_step 5
# 6: 4, 7 and 100 typed, each key well within the pause that lets the readout be spoken.
xdotool type --delay 100 47100
await brailled 6 "4,7 КОм"
end_step 6
# 7: "5%" chosen, then solved.
top=$(client_top)
click_client $five_percent
wait_for five_percent_chosen || fail "the click did not choose 5%"
xdotool key F5
await brailled 7 "$answer"
end_step 7
# 8 and 9: expanded and collapsed.
xdotool key F3
await brailled 8 "Окно развернуто"
end_step 8
xdotool key F3
await brailled 9 "Окно свернуто"
end_step 9
# 10: the help window opened and heard. Orca 48 takes keys in beside the program and may take
# in F1 only once the help window has opened: it then finds the window itself, says it, and
# takes the focused button in without a word, so that the focus event that follows is no news
# to it. The button is heard in step 12, when the window becomes active again. For the same
# reason no step presses a key before Orca has said what the last one brought.
xdotool key F1
wait_for shows_titled "Помощь" 1 || fail "F1 did not open the help window"
help_window=$(xdotool search --onlyvisible --name "^Помощь\$" | head -n 1)
await spoken 10 "Помощь frame"
end_step 10
# 11 and 12: the main window active again, then the help window: the focus heard in each where
# it was, on "5%" and on the help window's button.
activate_main
await spoken 11 "5%" starting
end_step 11
xdotool windowactivate --sync "$help_window"
wait_for has_focus "$help_window" || fail "the help window could not be activated"
await spoken 12 "Выход button"
end_step 12
# 13: the help window closed by Escape, the focus heard again in the main window.
xdotool key Escape
if ! wait_for shows_titled "Помощь" 0; then
    problems+=("Escape did not close the help window")
    xdotool key Return
fi
await spoken 13 "5%" starting
end_step 13
# 14: "Очистить" clicked, the focus back in the first field.
activate_main
click_client $clear_command
await brailled 14 "Поля и полосы очищены"
end_step 14
# 15: "Решить" without data; its box heard, closed, and the focus heard again.
xdotool key F5
await spoken 15 "ОК button"
xdotool key Escape
wait_for shows_titled "$PROGRAM_TITLE" 0 || fail "Escape did not close the message box"
await spoken 15 "1 цифра text"
end_step 15
# 16: another program takes the activation, then the main window gets it back.
"$other_program" "другая программа" >/dev/null 2>&1 &
pids+=($!)
wait_for xdotool search --onlyvisible --name "^drag source\$" || fail "no other program"
xdotool windowactivate --sync "$(xdotool search --onlyvisible --name "^drag source\$" | head -n 1)"
await spoken 16 "drag source" starting
activate_main
await spoken 16 "1 цифра text"
end_step 16
# 17 and 18: the window that reads a part's colours opened by F6 and heard; the focus heard on
# its first band's list when the window becomes active again: the band's name, and that it is a
# list, in each release's words.
xdotool key F6
wait_for shows_titled "$READING_TITLE" 1 || fail "F6 did not open $READING_TITLE"
reading_window=$(xdotool search --onlyvisible --name "^$READING_TITLE\$" | head -n 1)
await spoken 17 "$READING_TITLE frame"
end_step 17
activate_main
xdotool windowactivate --sync "$reading_window"
wait_for has_focus "$reading_window" || fail "$READING_TITLE could not be activated"
IFS='|' read -ra lists <<<"$WORKED_PART_LISTS"
IFS='|' read -ra items <<<"$WORKED_PART_ITEMS"
IFS='|' read -ra statements <<<"$WORKED_PART_ANSWER"
reading_answer="${statements[*]}"
await spoken 18 "${lists[0]}" starting
end_step 18
# 19 to 21: the worked part picked by its keys, each key once Orca has said what the last one
# brought: the colour chosen, then the answer; on the first band, the next band missing.
read -ra keys <<<"$WORKED_PART_KEYS"
xdotool key "${keys[0]}"
await spoken 19 "${items[0]}"
await brailled 19 "Не выбрана полоса 2: вторая цифра"
end_step 19
xdotool key Tab
await spoken 20 "${lists[1]}" starting
for key in 2 4; do
    xdotool key "${keys[key]}"
    await spoken 20 "${items[key / 2]}"
    xdotool key Tab
    await spoken 20 "${lists[key / 2 + 1]}" starting
done
end_step 20
xdotool key Right
await spoken 21 "Серебряный, ±10 %"
xdotool key Right
await spoken 21 "${items[3]}"
await brailled 21 "$reading_answer"
end_step 21
# 22: End and Home on the tolerance's list, then a click on the worked part's tolerance, found
# where AT-SPI says it is: each heard as the colour chosen, then the answer.
xdotool key End
await spoken 22 "Серый, ±0,01 %"
xdotool key Home
await spoken 22 "Серебряный, ±10 %"
read -r item_x item_y <<<"$(/usr/bin/python3 "$(dirname "$0")/bandlists.py" point "${items[3]}")" \
    || fail "no list item '${items[3]}' on the screen"
xdotool mousemove "$item_x" "$item_y" click 1
clicked_answer="${lists[3]}: ${items[3]} $reading_answer"
await spoken 22 "$clicked_answer"
end_step 22
# 23 and 24: back to the multiplier's list, where a colour is chosen: the colour is what is
# heard. The Shift of Shift+Tab, echoed, ends step 23 by itself.
xdotool key shift+Tab
wait_for steps_ended 23 || fail "Orca did not echo the Shift of Shift+Tab"
await spoken 24 "${items[2]}"
end_step 24
# 25: the window read by flat review, down to its commands and up to its band counts: the
# colours on offer are read, by name and meaning.
review_screen 'Копировать' '3 полосы'
end_step 25
# 26 and 27: the window that reads a chip's marking opened by F7 from the main window and heard;
# the focus heard in its marking field when the window becomes active again, by the caption of
# its label, as Orca names a field (Orca 43 adds the role, Orca 48 says the label alone).
activate_main
xdotool key F7
wait_for shows_titled "$SMD_TITLE" 1 || fail "F7 did not open $SMD_TITLE"
smd_window=$(xdotool search --onlyvisible --name "^$SMD_TITLE\$" | head -n 1)
await spoken 26 "$SMD_TITLE frame"
end_step 26
# Orca may have taken the field in as F7 opened the window, on a busy machine before step 26
# ended: the main window is heard in between, so that the field is news to it again.
activate_main
await spoken 27 "$MAIN_TITLE frame"
xdotool windowactivate --sync "$smd_window"
wait_for has_focus "$smd_window" || fail "$SMD_TITLE could not be activated"
await spoken 27 "Маркировка:" starting
end_step 27
# 28: the worked part's marking typed: its answer, announced as it changes, said and brailled.
IFS='|' read -ra smd_statements <<<"$SMD_ANSWER"
smd_answer="${smd_statements[*]}"
xdotool type --delay 150 "$SMD_MARKING"
await spoken 28 "$smd_answer"
await brailled 28 "$smd_answer"
end_step 28
# 29 and 30: the window that makes a value of parts opened by F8, and a value typed: the best
# answer announced once its search is done, said and brailled.
activate_main
xdotool key F8
wait_for shows_titled "$COMBINATION_TITLE" 1 || fail "F8 did not open $COMBINATION_TITLE"
await spoken 29 "$COMBINATION_TITLE frame"
end_step 29
xdotool type --delay 150 "$COMBINATION_TARGET"
await spoken 30 "Лучшее: $COMBINATION_BEST"
await brailled 30 "Лучшее: $COMBINATION_BEST"
end_step 30
# 31: Tab on to the list of findings, past the series, tolerance, count, range, own values and
# the button; down its items to the best, heard by its whole line.
xdotool key --delay 150 Tab Tab Tab Tab Tab Tab Tab Tab Tab
await spoken 31 "Что можно собрать" starting
xdotool key --delay 150 Down Down Down
await spoken 31 "$COMBINATION_BEST"
await brailled 31 "$COMBINATION_BEST" within
end_step 31

# All that Orca said is in its log already: it is stopped at once, without the orderly shutdown
# that took it more than ten seconds on a loaded machine, when the next test found it running.
kill -KILL "$orca_pid"
sort_into_steps
grep -q . "$work/spoken1" || fail "Orca said nothing"
presented_times() { # presented_times spoken|brailled STEP COUNT TEXT
    local count
    count=$(grep -cxF "$4" "$work/$1$2" || true)
    [ "$count" = "$3" ] || problems+=("step $2: '$4' $1 $count times, not $3; $1 there:
  $(paste -sd '|' "$work/$1$2")")
}
presented() { # presented spoken|brailled STEP TEXT [ending|starting]: at least once
    presented_in "$@" || problems+=("step $2: '$3' not $1; $1 there:
  $(paste -sd '|' "$work/$1$2")")
}
said() { presented spoken "$@"; }
said_times() { presented_times spoken "$@"; }
brailled() { presented brailled "$@"; }
# What is announced is said and brailled, in the same words.
announced() { said "$1" "$2"; brailled "$1" "$2"; }
# Where the focus is: the control's name and role said, its name and text brailled.
focus_heard() { said "$1" "$2 text"; brailled "$1" "$2"; }
read -ra legend <<<"$LEGEND_NAMES"

focus_heard 1 "1 цифра"
announced 2 "Легенда показана"
for colour in "${legend[@]}"; do
    grep -qw "$colour" "$work/spoken3" \
        || problems+=("flat review with the legend shown missed '$colour'")
done
announced 4 "Легенда скрыта"
for colour in "${legend[@]}"; do
    grep -qw "$colour" "$work/spoken5" \
        && problems+=("flat review with the legend hidden read '$colour'")
done
announced 6 "4,7 КОм"
for passing in "47 Ом" "470 Ом" "Нет данных"; do
    said_times 6 0 "$passing"
done
announced 7 "$answer"
said_times 7 0 "4,7 КОм"
said_times 7 0 "Легенда показана"
announced 8 "Окно развернуто"
announced 9 "Окно свернуто"
said 10 "Помощь frame"
said 11 "5%" starting
said 12 "Выход button"
brailled 12 "Выход button" ending
said 13 "5%" starting
announced 14 "Поля и полосы очищены"
said_times 14 0 "Нет данных"
said 15 "ОК button"
focus_heard 15 "1 цифра"
focus_heard 16 "1 цифра"
said 17 "$READING_TITLE frame"
said 18 "${lists[0]}" starting
said 19 "${items[0]}"
announced 19 "Не выбрана полоса 2: вторая цифра"
spoken_before 19 "${items[0]}" "Не выбрана полоса 2: вторая цифра" \
    || problems+=("step 19: the answer was spoken before the colour chosen")
brailled 19 "${items[0]}" within
for key in 1 2; do
    said 20 "${lists[key]}" starting
    said 20 "${items[key]}"
done
said 21 "${items[3]}"
brailled 21 "${items[3]}" within
announced 21 "$reading_answer"
spoken_before 21 "${items[3]}" "$reading_answer" \
    || problems+=("step 21: the answer was spoken before the colour chosen")
for heard in "Серый, ±0,01 %" "Серебряный, ±10 %" "$clicked_answer"; do
    said 22 "$heard"
done
brailled 22 "Серый, ±0,01 %" within
brailled 22 "$clicked_answer"
said 24 "${items[2]}"
for item in "Черный, 0" "Розовый, ×0,001" "Серебряный, ±10 %" "${items[@]}"; do
    grep -qF -- "$item" "$work/spoken25" || problems+=("flat review of $READING_TITLE missed '$item'")
done
said 26 "$SMD_TITLE frame"
said 27 "$MAIN_TITLE frame"
said 27 "Маркировка:" starting
brailled 27 "Маркировка:"
announced 28 "$smd_answer"
said 29 "$COMBINATION_TITLE frame"
announced 30 "Лучшее: $COMBINATION_BEST"
said 31 "Что можно собрать" starting
said 31 "$COMBINATION_BEST"
brailled 31 "$COMBINATION_BEST" within
[ ${#problems[@]} -eq 0 ] || fail "$(printf '%s\n' "${problems[@]}")"
echo "screen reader: passed"
