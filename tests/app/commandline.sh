#!/usr/bin/env bash
# The program from a shell: --help and --version need no display, and without any graphical
# session it says so in one line and ends with status 1, with no abort and no core dump.
set -uo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
ulimit -c unlimited
fail() { echo "FAIL: $*" >&2; exit 1; }

run() { # run ENV... -- ARGS: status into $status, output into out and err
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >out 2>err
    status=$?
}

run "$program" --version
[ "$status" = 0 ] || fail "--version ended with $status"
[ "$(cat out)" = "Цветознак v1.0 (tsvetoznak 1.0.0)" ] || fail "--version printed '$(cat out)'"

run "$program" --help
[ "$status" = 0 ] || fail "--help ended with $status"
grep -q '^Использование: tsvetoznak' out && grep -q '^Usage: tsvetoznak' out \
    || fail "--help printed '$(cat out)'"

expected="Цветознак: нет графического сеанса, программе нужен рабочий стол X11 или Wayland. / Tsvetoznak: no graphical session; the program needs an X11 or Wayland desktop."
for session in "no display at all" "a display that is not there"; do
    if [ "$session" = "no display at all" ]; then
        run "$program" --ignored-argument
    else
        run DISPLAY=:98765 "$program"
    fi
    [ "$status" = 1 ] || fail "$session: status $status, not 1"
    [ "$(cat err)" = "$expected" ] || fail "$session: it said '$(cat err)'"
    [ ! -s out ] || fail "$session: it printed '$(cat out)'"
    ls core* >/dev/null 2>&1 && fail "$session: a core was dumped"
done

# A platform chosen by the user still works.
run QT_QPA_PLATFORM=offscreen timeout 2 "$program"
[ "$status" = 124 ] || fail "on the offscreen platform it ended with $status"
echo "command line: passed"
