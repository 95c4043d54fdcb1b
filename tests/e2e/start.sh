#!/usr/bin/env bash
# Right after start: the title, the narrow and collapsed client area below the menu bar, and the
# resistor without bands.
source "$(dirname "$0")/lib.sh"
start_display
start_program

expect_started_window
screenshot
expect_eq "body at $body_point" "$(at $body_point)" FFC080
expect_eq "bands at start" "$(bands)" "FFC080 FFC080 FFC080 FFC080"
echo "start: passed"
