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

# What Orca said, one line each, in step files 1 to 12.
grep -o "SPEECH OUTPUT: .*" "$work/orca-debug.txt" \
    | sed -E "s/^SPEECH OUTPUT: '(.*)' ?\[?\{'established.*$/\1/" \
    >"$work/spoken.txt" || fail "Orca said nothing"
awk -v dir="$work" 'BEGIN { n = 1 } /^(left |right )?shift ?$/ { n++; next } { print > (dir "/step" n) }' \
    "$work/spoken.txt"
for n in $(seq 12); do touch "$work/step$n"; done

said() { # said STEP TEXT: Orca said exactly this line in that step
    grep -qxF "$2" "$work/step$1" \
        || problems+=("step $1: Orca did not say '$2'; it said: $(paste -sd '|' "$work/step$1")")
}
said_times() { # said_times STEP COUNT TEXT
    local count
    count=$(grep -cxF "$3" "$work/step$1" || true)
    [ "$count" = "$2" ] || problems+=("step $1: '$3' said $count times, not $2")
}
legend=(Черный Коричневый Красный Оранжевый Серебряный Зеленый Фиолетовый Желтый Золотой Серый
        Белый Синий)

said 1 "1 цифра text."
said 2 "Легенда показана."
for colour in "${legend[@]}"; do
    grep -qw "$colour" "$work/step3" \
        || problems+=("flat review with the legend shown missed '$colour'")
done
said 4 "Легенда скрыта."
for colour in "${legend[@]}"; do
    grep -qw "$colour" "$work/step5" \
        && problems+=("flat review with the legend hidden read '$colour'")
done
said_times 6 1 "4,7 КОм."
for passing in "47 Ом." "470 Ом." "Нет данных."; do
    said_times 6 0 "$passing"
done
said_times 7 1 "Резистор: Желтый, Фиолетовый, Красный, Золотой."
said_times 7 0 "4,7 КОм."
said_times 7 0 "Легенда показана."
said 8 "Окно развернуто."
said 9 "Окно свернуто."
said_times 11 1 "Поля и полосы очищены."
said_times 11 0 "Нет данных."
said 12 "ОК push button."
[ ${#problems[@]} -eq 0 ] || fail "$(printf '%s\n' "${problems[@]}")"
echo "screen reader: passed"
