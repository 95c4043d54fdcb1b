#!/usr/bin/env bash
# The program heard as a blind user hears it: Debian's screen reader Orca runs beside it on an
# accessibility bus of their own, the program is driven with real keys only, and what Orca said
# is read from its debug log. Runs inside dbus-run-session.
#
# Orca writes its log in blocks, so it is read once Orca has ended. The steps are told apart by
# a Shift pressed alone between them, which does nothing in the program and which Orca echoes
# as "shift".
source "$(dirname "$0")/lib.sh"
start_display
start_accessibility_bus

# Orca runs once per user: the test does not stop one that is already running, which may be the
# user's own screen reader, and is skipped instead.
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "SKIP: an Orca of this user is running already" >&2
    exit 77
fi
# No sound device here: a speech server address where there is none, so that Orca never waits
# for one and logs all that it would say. Fresh settings: Orca's own defaults, keys echoed.
SPEECHD_ADDRESS=unix_socket:$work/no-speech-server \
    orca --debug-file="$work/orca-debug.txt" -u "$work/orca-settings" \
    >"$work/orca.log" 2>&1 &
orca_pid=$!
pids+=("$orca_pid")
# Orca takes a few seconds to listen to the bus; a program started sooner goes unseen.
sleep 5

start_program

# Orca speaks an event only once it has asked the program about it, and falls behind when it is
# slow (in the sanitizer build it once took more than 1.5 s to speak the settled readout): each
# step waits 2 s before its marker, and the typing step, whose readout waits half a second for
# the keys to settle, waits 3.5 s.
step() {
    sleep "${1:-2}"
    xdotool key Shift_L
    sleep 0.5
}
# Flat review on the desktop layout: KP_Subtract enters and leaves it, KP_Page_Up goes a line
# down, KP_Home a line up; down to the last line and back up to the first.
review_screen() {
    xdotool key KP_Subtract
    local i
    for i in $(seq 15); do xdotool key KP_Page_Up; sleep 0.25; done
    for i in $(seq 15); do xdotool key KP_Home; sleep 0.25; done
    xdotool key KP_Subtract
}

step                                    # 1: started
xdotool key F4
step                                    # 2: the legend shown
review_screen
step                                    # 3: the screen with the legend
xdotool key F4
step                                    # 4: the legend hidden
review_screen
step                                    # 5: the screen without it
xdotool type --delay 200 47100
step 3.5                                # 6: typed 4, 7, 100
click_client 133 70
sleep 1
xdotool key F5
step                                    # 7: 5 % chosen, then solved
xdotool key F3
step                                    # 8: expanded
xdotool key F3
step                                    # 9: collapsed
xdotool key F1
wait_for shows_windows "Помощь" 1 || fail "F1 did not open the help window"
sleep 1
xdotool key Escape
problems=()
if ! wait_for shows_windows "Помощь" 0; then
    problems+=("Escape did not close the help window")
    xdotool key Return
fi
step                                    # 10: help opened and closed
activate_main
click_client 395 103
step                                    # 11: Очистить clicked
xdotool key F5
sleep 1
xdotool key Escape
step                                    # 12: Решить without data, its box closed

# SIGINT lets Orca write the rest of its log; SIGTERM would lose it.
kill -INT "$orca_pid"
for _ in $(seq 100); do kill -0 "$orca_pid" 2>/dev/null || break; sleep 0.1; done

# What Orca said and what it put on the braille line, in its order, one line each: "S text" or
# "B text". Orca 43 logs a braille line as "BRAILLE LINE", Orca 48 a message as "BRAILLE: Display
# message"; Orca 43 closes speech with a period, and Orca 48 calls a push button a button. The
# words are compared, not one version's way of logging them: the closing period, the braille
# cursor's mark and the word "push" are dropped.
sed -nE -e "s/^.*SPEECH OUTPUT: '(.*)' ?\[?\{'established.*$/S \1/p" \
    -e "s/^.*BRAILLE LINE: +'(.*)'$/B \1/p" \
    -e "s/^.*BRAILLE: Display message: '(.*)'.*$/B \1/p" "$work/orca-debug.txt" \
    | sed -E -e 's/ *\$l$//' -e 's/[ .]+$//' -e 's/push button$/button/' >"$work/presented.txt"
grep -q '^S ' "$work/presented.txt" || fail "Orca said nothing"
# Kept where a failure can be read: the whole of Orca's log.
keep_log() {
    cp "$work/orca-debug.txt" "${TMPDIR:-/tmp}/e2e-orca-$$.txt"
    echo "Orca's debug log: ${TMPDIR:-/tmp}/e2e-orca-$$.txt" >&2
}
# In step files 1 to 12: spoken N and brailled N.
awk -v dir="$work" 'BEGIN { n = 1 }
    /^S (left |right )?shift$/ { n++; next }
    /^S / { print substr($0, 3) > (dir "/spoken" n) }
    /^B / { print substr($0, 3) > (dir "/brailled" n) }' "$work/presented.txt"
for n in $(seq 12); do touch "$work/spoken$n" "$work/brailled$n"; done

presented_times() { # presented_times spoken|brailled STEP COUNT TEXT
    local count
    count=$(grep -cxF "$4" "$work/$1$2" || true)
    [ "$count" = "$3" ] || problems+=("step $2: '$4' $1 $count times, not $3; $1 there:
  $(paste -sd '|' "$work/$1$2")")
}
presented() { # presented spoken|brailled STEP TEXT: at least once
    grep -qxF "$3" "$work/$1$2" || problems+=("step $2: '$3' not $1; $1 there:
  $(paste -sd '|' "$work/$1$2")")
}
said() { presented spoken "$@"; }
said_times() { presented_times spoken "$@"; }
brailled() { presented brailled "$@"; }
# What is announced is said and brailled, in the same words.
announced() { said "$1" "$2"; brailled "$1" "$2"; }
legend=(Черный Коричневый Красный Оранжевый Серебряный Зеленый Фиолетовый Желтый Золотой Серый
        Белый Синий)

said 1 "1 цифра text"
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
announced 7 "Резистор: Желтый, Фиолетовый, Красный, Золотой"
said_times 7 0 "4,7 КОм"
said_times 7 0 "Легенда показана"
announced 8 "Окно развернуто"
announced 9 "Окно свернуто"
announced 11 "Поля и полосы очищены"
said_times 11 0 "Нет данных"
said 12 "ОК button"
[ ${#problems[@]} -eq 0 ] || { keep_log; fail "$(printf '%s\n' "${problems[@]}")"; }
echo "screen reader: passed"
