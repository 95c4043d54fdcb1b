#!/usr/bin/env bash
# The program read as a screen reader reads it, over an accessibility bus of its own; runs
# inside dbus-run-session.
source "$(dirname "$0")/lib.sh"
start_display
start_accessibility_bus
start_program
# Debian's Python, which has the AT-SPI bindings, whatever else is first on the PATH.
/usr/bin/python3 "$(dirname "$0")/accessibility.py" || fail "the accessibility tree"
echo "accessibility: passed"
