#!/usr/bin/env bash
# The program read as a screen reader reads it, over an accessibility bus of its own; the second
# argument is another program, which takes the activation for a while. Runs inside
# dbus-run-session.
source "$(dirname "$0")/lib.sh"
start_display
start_accessibility_bus
start_program
# Debian's Python, which has the AT-SPI bindings, whatever else is first on the PATH.
/usr/bin/python3 "$(dirname "$0")/accessibility.py" "$2" || fail "the accessibility tree"
echo "accessibility: passed"
