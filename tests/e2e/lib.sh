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
readonly scale_percent=$(awk -v s="$scale" 'BEGIN { printf "%d\n", s * 100 + 0.5 }')
# A length in logical pixels as device pixels on the screen, rounded to the nearest.
scaled() {
    echo $((($1 * scale_percent + ($1 < 0 ? -50 : 50)) / 100))
}
source "$(dirname "${BASH_SOURCE[0]}")/../support/literals.env"

# The layout as the tests meet it, from its places in twips, 15 to a logical pixel:
# px TWIPS is the nearest logical pixel.
px() { echo $((($1 + 7) / 15)); }
# The main window's client area: its width with the legend hidden and shown (the outer width
# 7500 or 9500 twips, less 60 of the frame), its height collapsed and expanded (the outer
# height 2450 or 4440, less 650 of the frame and the menu bar).
readonly narrow_width=$(px $((7500 - 60))) wide_width=$(px $((9500 - 60)))
readonly collapsed_height=$(px $((2450 - 650))) expanded_height=$(px $((4440 - 650)))
# Points of the main window's client area, "X Y" in logical pixels: the first-digit field's
# middle (Text13 at 360, 240 in Frame2 at 120, 120, 375 × 285), the dot of "5%" (Option3 at
# 1800, 240 in Frame8 at 120, 720), "Очистить" (Label4 at 5640, 1440), the body beside the
# first band (Shape5 from 5040) and the middle of band N, 1 to 4 (Shape1 to Shape4, 240 apart
# from 5400, 600 to 1215 high).
readonly first_digit="$(px $((120 + 360 + 187))) $(px $((120 + 240 + 142)))"
readonly five_percent="$(px $((120 + 1800 + 90))) $(px $((720 + 240 + 90)))"
readonly clear_command="$(px $((5640 + 285))) $(px $((1440 + 105)))"
readonly body_point="$(px $((5040 + 135))) $(px $((600 + 300)))"
band_point() { echo "$(px $((5400 + 240 * ($1 - 1) + 60))) $(px $((600 + 300)))"; }
# The first entry of the menu bar, "Основное меню", 40 pixels in from the window's left.
readonly main_menu_x=40
# Points of the client areas of the help window and the about window: the help window's
# "Выход" (Label1 at 5880, 3960, 735 × 315) and the about window's "ОК" (Command1 at 2640,
# 4440, 615 × 315).
readonly help_exit="$(px $((5880 + 360))) $(px $((3960 + 150)))"
readonly about_ok="$(px $((2640 + 300))) $(px $((4440 + 150)))"
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
    # What else may still write into the work folder has ended first (under Wine, its server).
    declare -F end_writers >/dev/null && end_writers
    # A clean-up never turns a test's result: what cannot be removed is told and left.
    rm -rf "$work" 2>/dev/null || echo "note: $work could not be removed whole" >&2
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
    menu_bar=$((height - $(scaled "$collapsed_height")))
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

titled_count() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | wc -l
}

# Whether the title is on the screen exactly the given number of times. Meant for wait_for,
# which runs its command afresh on every try.
shows_titled() {
    [ "$(titled_count "$1")" = "$2" ]
}

# Sets x, y (absolute, of the client window), width and height of a window.
geometry() {
    eval "$(xwininfo -id "$1" | awk -F: '
        /Absolute upper-left X/ { printf "x=%d\n", $2 }
        /Absolute upper-left Y/ { printf "y=%d\n", $2 }
        /Width/ { printf "width=%d\n", $2 }
        /Height/ { printf "height=%d\n", $2 }')"
}

# A window, the main one if none is named, as the screen shows it now, decoded once: every pixel
# the test reads is read from this picture, by the screen's coordinates.
screenshot() {
    local window=${1:-$main_window}
    geometry "$window"
    import -window "$window" -depth 8 "$work/shot.ppm"
    echo "$x $y" >"$work/shot.origin"
}

# Takes a picture of the whole screen as the one that pixel reads.
load_picture() {
    convert "$1" -depth 8 "$work/shot.ppm"
    echo "0 0" >"$work/shot.origin"
}

# The colours of a rectangle of the picture, as RRGGBB, one a line, row by row: region X Y WIDTH
# HEIGHT, by the screen's coordinates. The picture's header is "P6", its width and height, and
# its largest value, 255, each on a line of its own; rows of RGB follow. The rows are read in
# one go, a row of the picture to a line, of which the rectangle's part is kept.
region() {
    local magic size maximum left upper
    { read -r magic; read -r size; read -r maximum; } <"$work/shot.ppm"
    [ "$magic" = P6 ] && [ "$maximum" = 255 ] || fail "not a picture of 8-bit RGB: $magic $maximum"
    read -r left upper <"$work/shot.origin"
    local row=$((${size%% *} * 3))
    local start=$((${#magic} + ${#size} + ${#maximum} + 3 + ($2 - upper) * row + ($1 - left) * 3))
    od -An -v -tx1 -w"$row" -j "$start" -N $((($4 - 1) * row + $3 * 3)) "$work/shot.ppm" \
        | awk -v n="$3" '{ for (i = 1; i < 3 * n; i += 3) print toupper($i $(i + 1) $(i + 2)) }'
}

# The colour at an absolute point of the picture, as RRGGBB.
pixel() {
    region "$1" "$2" 1 1
}

# A window's client area (the main window's if none is named) lies below its menu bar: the
# first row, from the top of the window, in the window's background colour, read from a picture
# of one column of the window.
client_top() {
    local window=${1:-$main_window}
    geometry "$window"
    local below
    below=$(import -window "$window" -crop "1x$height+2+0" +repage -depth 8 txt:- \
        | awk -F '[,:]' '/#D4D0C8/ && !found { found = $2 + 1 } END { if (found) print found; else exit 1 }') \
        || fail "no client area below the menu bar"
    echo $((y + below - 1))
}

# The main window as it starts: its title, and its narrow, collapsed client area below the
# menu bar. Leaves the top of the client area in top, and the window's geometry.
expect_started_window() {
    expect_eq "title" "$(xdotool getwindowname "$main_window")" "$main_title"
    top=$(client_top)
    geometry "$main_window"
    expect_eq "client width" "$width" "$(scaled "$narrow_width")"
    expect_eq "client height" $((y + height - top)) "$(scaled "$collapsed_height")"
}

# Whether the main window's client area is so many logical pixels wide, within the one device
# pixel that a fractional scale may round it by. Meant for wait_for.
width_is() {
    geometry "$main_window"
    local off=$((width - $(scaled "$1")))
    [ "${off#-}" -le 1 ]
}

# "Выход" chosen from the menu bar with keys: Alt takes the keyboard to the menu bar, and Left
# wraps round to its last entry. Returns once the exit question shows.
ask_exit_from_menu() {
    xdotool key alt
    xdotool key Left Return
    wait_for shows_titled 'Завершение работы' 1 || fail "Выход asked nothing"
}

# Clicks at a point of the main window's client area: click_client X Y, in logical pixels.
click_client() {
    geometry "$main_window"
    xdotool mousemove $((x + $(scaled "$1"))) $(($(client_top) + $(scaled "$2"))) click 1
}

# The colour at a point of the main window's client area on the last screenshot: at X Y, in
# logical pixels. Needs x of the main window and top of its client area.
at() {
    pixel $((x + $(scaled "$1"))) $((top + $(scaled "$2")))
}

# The four bands' colours on the screen now, "B1 B2 B3 B4". Needs x and top.
bands() {
    screenshot
    local band
    for band in 1 2 3 4; do
        at $(band_point "$band")
    done | paste -sd ' '
}
bands_are() {
    [ "$(bands)" = "$1" ]
}
# The bands awaited, then told: Wine shows the window's new size before its new picture.
expect_bands() { # expect_bands WHAT "B1 B2 B3 B4"
    wait_for bands_are "$2" || true
    expect_eq "$1" "$(bands)" "$2"
}

# Whether "5%" shows the dot at its centre, in the caption's colour: the option is chosen. Needs
# x and top.
five_percent_chosen() {
    screenshot
    [ "$(at $five_percent)" = 3A6EA5 ]
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
