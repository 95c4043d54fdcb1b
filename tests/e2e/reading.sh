#!/usr/bin/env bash
# The window that reads a part's colours, used with real keys and a real click and read over
# AT-SPI as a screen reader reads it. Runs inside dbus-run-session.
source "$(dirname "$0")/lib.sh"
start_display
start_accessibility_bus
start_program
/usr/bin/python3 "$(dirname "$0")/reading.py" || fail "the reading window"
echo "reading: passed"
