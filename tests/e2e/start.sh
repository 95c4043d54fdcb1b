#!/usr/bin/env bash
# Right after start: the title, 496 × 120 pixels of client area below the menu bar, and the
# resistor without bands.
source "$(dirname "$0")/lib.sh"
start_display
start_program

expect_started_window
screenshot
for point in "345 60" "364 60" "380 60" "396 60" "412 60"; do
    set -- $point
    expect_eq "body and bands at $point" "$(pixel $((x + $1)) $((top + $2)))" FFC080
done
echo "start: passed"
