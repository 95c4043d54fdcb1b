#!/usr/bin/env bash
# The reading window's bands as lists, used with real keys and a real click and read over
# AT-SPI as a screen reader reads them; the answer copied to the X clipboard. Runs inside
# dbus-run-session.
source "$(dirname "$0")/lib.sh"
start_display
start_accessibility_bus
start_program
/usr/bin/python3 "$(dirname "$0")/bandlists.py" || fail "the band lists"
echo "bandlists: passed"
