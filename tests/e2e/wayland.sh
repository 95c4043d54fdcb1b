#!/usr/bin/env bash
# The program as a native Wayland client in a compositor of the test's own (weston, headless):
# a nominal and a tolerance entered and solved over AT-SPI, since X input does not reach a
# Wayland client, and the four bands read back from the compositor's screenshot; then the
# reading window opened and answering, the SMD window reading a marking, and the window that
# makes a value of parts answering a value. Runs inside dbus-run-session.
source "$(dirname "$0")/lib.sh"

export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
export WAYLAND_DISPLAY=tsvetoznak-test
unset DISPLAY
# --debug lets a client take a screenshot.
weston --backend=headless-backend.so --use-pixman --debug --socket="$WAYLAND_DISPLAY" \
    --width=1024 --height=768 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || fail "weston did not start"
start_accessibility_bus

LC_ALL=C.UTF-8 LANG=C.UTF-8 QT_QPA_PLATFORM=wayland "$program" >"$work/program.log" 2>&1 &
pids+=($!)
/usr/bin/python3 "$(dirname "$0")/wayland.py" || fail "solving over AT-SPI"

# The bands' colours, read where they stand on the body: its inside is the only place of the
# screen in the body's colour, and the bands lie at their offsets from its left edge.
shots=$work/shots
mkdir "$shots"
painted() {
    rm -f "$shots"/*.png
    (cd "$shots" && weston-screenshooter) >/dev/null 2>&1 || return 1
    load_picture "$shots"/*.png
    local body band band_x
    body=$(convert "$work/shot.ppm" -fill black +opaque '#FFC080' -format '%@' info: 2>/dev/null)
    [[ $body =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    # The body's inside starts within its outline of 2 pixels, from the body's left.
    local left=$((BASH_REMATCH[3] - $(px 5040) - 2)) middle=$((BASH_REMATCH[4] + BASH_REMATCH[2] / 2))
    for band in 1 2 3 4; do
        read -r band_x _ <<<"$(band_point "$band")"
        pixel $((left + band_x)) "$middle"
    done | paste -sd ' '
}
solved() { [ "$(painted)" = "FFFF00 8000FF FF0000 DDC102" ]; }
wait_for solved || fail "the bands on the Wayland screen: '$(painted)', not yellow, violet, red, gold"
# The reading window, opened from its menu item, a nominal put on its bands.
/usr/bin/python3 "$(dirname "$0")/wayland.py" reading || fail "the reading window over AT-SPI"
# The SMD window, opened from its menu item, a marking typed; the window of F8, a value typed.
/usr/bin/python3 "$(dirname "$0")/wayland.py" smd || fail "the SMD window over AT-SPI"
/usr/bin/python3 "$(dirname "$0")/wayland.py" combination \
    || fail "the window that makes a value of parts over AT-SPI"
echo "wayland: passed"
