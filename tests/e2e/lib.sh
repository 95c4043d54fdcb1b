# Shared by the end-to-end tests: each test sources this file with the program's path as its
# first argument, gets its own X server, window manager and program, and leaves none of them
# behind. Everything is driven through real X input and read back from the screen.
set -eEuo pipefail
# A command that fails without a word of its own still says which it was.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

readonly program=$1
# The device pixel ratio the program runs at: 2 doubles every size and offset on the screen,
# 1.25 makes them a quarter larger.
readonly scale=${TSVETOZNAK_E2E_SCALE:-1}
# A length in logical pixels as device pixels on the screen, rounded to the nearest.
scaled() {
    awk -v n="$1" -v s="$scale" 'BEGIN { printf "%d\n", n * s + (n < 0 ? -0.5 : 0.5) }'
}
source "$(dirname "${BASH_SOURCE[0]}")/../support/literals.env"
readonly main_title=$MAIN_TITLE
work=$(mktemp -d)
pids=()

cleanup() {
    local pid
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        pid=${pids[i]}
        kill "$pid" 2>/dev/null || true
        # A process that is not this shell's own child is watched until it has gone, and killed
        # if it will not go.
        wait "$pid" 2>/dev/null || patience=10 wait_for sh -c "! kill -0 $pid" \
            || kill -KILL "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# A test may keep more of what it saw for the reader of a failure, in keep_on_failure.
fail() {
    echo "FAIL: $*" >&2
    declare -F keep_on_failure >/dev/null && keep_on_failure
    local log
    for log in "$work"/*.log; do
        [ -s "$log" ] && { echo "--- $(basename "$log")" >&2; cat "$log" >&2; }
    done
    local shot=${TMPDIR:-/tmp}/e2e-failure-$$.png
    import -window root "$shot" 2>/dev/null && echo "the screen at failure: $shot" >&2
    exit 1
}

# Retries a command until it succeeds, for up to $patience seconds: time enough for a loaded
# machine, and never spent by a test that passes.
patience=30
wait_for() {
    local deadline=$((SECONDS + patience))
    until "$@" >/dev/null 2>&1; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# An X server and window manager of this test's own. Once in many runs the window manager could
# not reach a server that had said it was ready; such a server is replaced by a new one.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; }
wm_ready_or_gone() { wm_ready || ! kill -0 "$1" 2>/dev/null; }
start_display() {
    local attempt xvfb wm
    for attempt in 1 2 3; do
        : >"$work/display"
        exec 3>"$work/display"
        Xvfb -displayfd 3 -screen 0 "$(scaled 1024)x$(scaled 768)x24" -nolisten tcp \
            >"$work/xvfb.log" 2>&1 &
        xvfb=$!
        pids+=("$xvfb")
        exec 3>&-
        wait_for test -s "$work/display" || fail "Xvfb did not start"
        export DISPLAY=":$(head -n 1 "$work/display")"
        openbox --sm-disable >"$work/openbox.log" 2>&1 &
        wm=$!
        pids+=("$wm")
        wait_for wm_ready_or_gone "$wm"
        if wm_ready; then
            return
        fi
        echo "attempt $attempt: no window manager on $DISPLAY: $(cat "$work/openbox.log")" >&2
        kill "$wm" "$xvfb" 2>/dev/null || true
        wait "$wm" "$xvfb" 2>/dev/null || true
    done
    fail "openbox did not start"
}

# An accessibility bus of the test's own, inside dbus-run-session; the program started after it
# joins it.
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
    pids+=($!)
    wait_for dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress || fail "the accessibility bus did not start"
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

# Starts the program in the Russian desktop's way: no locale named, so Russian. A test may name
# another locale in $locale.
locale=C.UTF-8
start_program() {
    launch_program
    wait_for caret_shown || fail "the main window does not take keys"
}

# The program's command, in the test's locale and at its scale; run in the background, it
# becomes the program, whose process id the tests watch. The Wine tests start it their own way.
program_command() {
    LC_ALL=$locale LANG=$locale QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale exec "$program"
}

# Starts the program and returns as soon as its main window is on the screen and has the
# keyboard, drawn or not.
launch_program() {
    program_command >"$work/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
    wait_for xdotool search --onlyvisible --name "^$main_title\$" \
        || fail "the main window did not appear"
    main_window=$(xdotool search --onlyvisible --name "^$main_title\$" | head -n 1)
    geometry "$main_window"
    menu_bar=$((height - $(scaled 120)))
    wait_for has_focus "$main_window" || fail "the main window has no keyboard focus"
}

# Qt takes keys, and its shortcuts act, only once it counts the window active; from then on
# the caret blinks in the focused field. Every caller expects the focus in an empty Text13,
# whose inside is one plain colour while the caret is off or absent.
caret_shown() {
    local colours
    colours=$(import -window "$main_window" \
        -crop "$(scaled 17)x$(scaled 11)+$(scaled 36)+$((menu_bar + $(scaled 28)))" +repage \
        -format '%k' info:)
    [ "$colours" -gt 1 ]
}

# Keys go where the X input focus is, which may follow the window manager's word by a moment.
has_focus() {
    [ "$(xdotool getwindowfocus)" = "$1" ]
}

windows_named() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# Whether exactly the given number of windows titled so are on the screen. Meant for wait_for,
# which runs its command afresh on every try.
shows_windows() {
    [ "$(windows_named "$1")" = "$2" ]
}

# Sets x, y (absolute, of the client window), width and height of a window.
geometry() {
    eval "$(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ { printf "x=%d\n", $2 }
        /Absolute upper-left Y/ { printf "y=%d\n", $2 }
        /Width/ { printf "width=%d\n", $2 }
        /Height/ { printf "height=%d\n", $2 }')"
}

screenshot() {
    import -window root "$work/shot.png"
}

# The colour at an absolute point of the last screenshot, as RRGGBB.
pixel() {
    convert "$work/shot.png" -format "%[hex:p{$1,$2}]" info: | cut -c 1-6
}

# The main window's client area lies below its menu bar: the first row, from the top of the
# window, in the window's background colour.
client_top() {
    geometry "$main_window"
    screenshot
    local row
    for ((row = y; row < y + height; row++)); do
        if [ "$(pixel $((x + 2)) "$row")" = D4D0C8 ]; then
            echo "$row"
            return
        fi
    done
    fail "no client area below the menu bar"
}

# The main window as it starts: its title, and 496 × 120 pixels of client area below the menu
# bar. Leaves the top of the client area in top, and the window's geometry.
expect_started_window() {
    expect_eq "title" "$(xdotool getwindowname "$main_window")" "$main_title"
    top=$(client_top)
    geometry "$main_window"
    expect_eq "client width" "$width" 496
    expect_eq "client height" $((y + height - top)) 120
}

# "Выход" chosen from the menu bar with keys: Alt takes the keyboard to the menu bar, and Left
# wraps round to its last entry. Returns once the exit question shows.
ask_exit_from_menu() {
    xdotool key alt
    xdotool key Left Return
    wait_for shows_windows 'Завершение работы' 1 || fail "Выход asked nothing"
}

# Clicks at a point of the main window's client area, in logical pixels.
click_client() {
    geometry "$main_window"
    xdotool mousemove $((x + $(scaled "$1"))) $(($(client_top) + $(scaled "$2"))) click 1
}

# Whether "5%" shows the dot at its centre, in the caption's colour: the option is chosen. Needs
# x of the main window and top of its client area.
five_percent_chosen() {
    screenshot
    [ "$(pixel $((x + $(scaled 134))) $((top + $(scaled 70))))" = 3A6EA5 ]
}

activate_main() {
    xdotool windowactivate --sync "$main_window"
    wait_for has_focus "$main_window" || fail "the main window could not be activated"
    wait_for caret_shown || fail "the main window does not take keys"
}

expect_eq() {
    [ "$2" = "$3" ] || fail "$1: expected '$3', got '$2'"
}

# Waits for a process of the test's own to end and checks its exit status:
# expect_exit WHAT PID STATUS.
expect_exit() {
    local status=0
    wait_for sh -c "! kill -0 $2" || fail "$1: the program did not end"
    wait "$2" || status=$?
    expect_eq "$1: exit status" "$status" "$3"
}

# The Windows program under Wine, where the test is run so.
if [ -n "${TSVETOZNAK_UNDER_WINE:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/../wine/windows.sh"
fi
