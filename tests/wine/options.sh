#!/usr/bin/env bash
# The Windows program's answers where there is no window to show them in: --version and --help
# in the console or pipe they were asked from, and a start that fails told in a message box.
source "$(dirname "$0")/lib.sh"
start_display

# Read through a pipe, as a script would, with Wine's own line ends taken off.
answer() { wine "$program" "$1" 2>"$work/answer.log" | tr -d '\r'; }
expect_eq "--version" "$(answer --version)" "$VERSION_LINE"
answer --help >"$work/help"
grep -q "^Использование: $PROGRAM_COMMAND" "$work/help" && grep -q "^Usage: $PROGRAM_COMMAND" "$work/help" \
    || fail "--help answered: $(cat "$work/help")"

# No platform plugin of that name: the program cannot start, says so in a box, Qt's own or the
# program's, and ends with status 1 once the box is read.
wine "$program" -platform nosuchplatform >"$work/failed.log" 2>&1 &
failed=$!
pids+=("$failed")
boxes="($PROGRAM_COMMAND|$PROGRAM_NAME)"
wait_for shows_titled "$boxes" 1 || fail "the failed start showed no box"
box=$(xdotool search --onlyvisible --name "^$boxes\$" | head -n 1)
xdotool windowactivate --sync "$box"
wait_for has_focus "$box" || fail "the box did not take the keyboard"
xdotool key Return
expect_exit "a failed start" "$failed" 1
echo "windows options: passed"
