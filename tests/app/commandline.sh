#!/usr/bin/env bash
# The program from a shell: --help and --version need no display, and report a failed write;
# a start that fails says why (no graphical session, a display that cannot be opened, or Qt's
# own words on a platform it cannot load) and ends with status 1, with no abort and no core
# dump.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ulimit -c unlimited
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/../support/literals.env"

run() { # run ENV... -- ARGS: status into $status, output into out and err
    # A UTF-8 locale, or Qt 6.8 warns of the C one before anything else it says.
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 "$@" >out 2>err
    status=$?
}

run "$program" --version
[ "$status" = 0 ] || fail "--version ended with $status"
[ "$(cat out)" = "$VERSION_LINE" ] || fail "--version printed '$(cat out)'"

run "$program" --help
[ "$status" = 0 ] || fail "--help ended with $status"
grep -q "^Использование: $PROGRAM_COMMAND" out && grep -q "^Usage: $PROGRAM_COMMAND" out \
    || fail "--help printed '$(cat out)'"
# It tells that Qt's own options act, as they do.
grep -q "Qt's standard options (-platform" out || fail "--help does not tell of Qt's options"

no_session="Цветознак: нет графического сеанса, программе нужен рабочий стол X11 или Wayland. / Tsvetoznak: no graphical session; the program needs an X11 or Wayland desktop."
# Each failed start: status 1, nothing on standard output, no core.
failed_start() {
    [ "$status" = 1 ] || fail "$1: status $status, not 1"
    [ ! -s out ] || fail "$1: it printed '$(cat out)'"
    ls core* >/dev/null 2>&1 && fail "$1: a core was dumped"
    return 0
}

run "$program" --ignored-argument
failed_start "no display at all"
[ "$(cat err)" = "$no_session" ] || fail "no display at all: it said '$(cat err)'"

run DISPLAY=:98765 "$program"
failed_start "a display that is not there"
[ "$(cat err)" = "Цветознак: не удаётся открыть дисплей :98765. / Tsvetoznak: cannot open display :98765." ] \
    || fail "a display that is not there: it said '$(cat err)'"

# A platform that does not exist, with a display that works: Qt's own words, which name the
# platform and the ones there are.
Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>display 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 100); do [ -s display ] && break; sleep 0.1; done
display=":$(head -n 1 display)"
for asking in "QT_QPA_PLATFORM=nonsense $program" "$program -platform nonsense"; do
    # shellcheck disable=SC2086
    run DISPLAY="$display" $asking
    failed_start "$asking"
    grep -q 'Could not find the Qt platform plugin "nonsense"' err \
        && grep -q 'Available platform plugins are:.*xcb' err \
        || fail "$asking: it said '$(cat err)'"
    grep -q "нет графического сеанса" err && fail "$asking: called a missing session"
done

# Output that cannot be written is an error, not a success.
for option in --help --version; do
    env -u DISPLAY "$program" "$option" >/dev/full 2>err
    status=$?
    [ "$status" = 1 ] || fail "$option into a full device: status $status, not 1"
    [ "$(wc -l <err)" = 1 ] && grep -q "No space left on device" err \
        || fail "$option into a full device: it said '$(cat err)'"
done

# A platform chosen by the user still works.
run QT_QPA_PLATFORM=offscreen timeout 2 "$program"
[ "$status" = 124 ] || fail "on the offscreen platform it ended with $status"
echo "command line: passed"
