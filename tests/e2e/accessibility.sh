#!/usr/bin/env bash
# The program read as a screen reader reads it, over an accessibility bus of its own; runs
# inside dbus-run-session.
source "$(dirname "$0")/lib.sh"
start_display
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
pids+=($!)
wait_for dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress || fail "the accessibility bus did not start"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program
# Debian's Python, which has the AT-SPI bindings, whatever else is first on the PATH.
/usr/bin/python3 "$(dirname "$0")/accessibility.py" || fail "the accessibility tree"
echo "accessibility: passed"
