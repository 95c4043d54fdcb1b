#!/usr/bin/env bash
# Text dragged from another program onto the first-digit field: a text the field refuses stays
# in the other program; a digit it takes is moved there. The other program is the test's own
# drag source, its second argument; the drag is real X input.
source "$(dirname "$0")/lib.sh"
readonly drag_source=$2
start_display
start_program

# Drags the whole text of a fresh drag source onto Text13, then keeps what the source holds in
# $work/left. A drop that the field takes waits for the field to say so before the button is let
# go. Run in the test's own shell, so that a failure ends the test.
drag_onto_first_digit() { # drag_onto_first_digit TEXT [taken]
    "$drag_source" "$1" >"$work/source.out" 2>"$work/source.log" &
    local source_pid=$!
    pids+=("$source_pid")
    # A search of the window tree fails where a window goes while it is read (the last drag's
    # pixmap window, say): it is searched again until it has found the source.
    found_source() {
        xdotool search --onlyvisible --name "^drag source\$" >"$work/found" 2>/dev/null \
            && [ -s "$work/found" ]
    }
    wait_for found_source || fail "no drag source"
    local source_window
    source_window=$(head -n 1 "$work/found")
    xdotool windowmove --sync "$source_window" 300 560
    xdotool windowactivate --sync "$source_window"
    geometry "$source_window"
    local from_x=$((x + 40)) from_y=$((y + 15))
    geometry "$main_window"
    local to_x to_y
    read -r to_x to_y <<<"$first_digit"
    to_x=$((x + to_x)) to_y=$(($(client_top) + to_y))
    said() { grep -qx "$1" "$work/source.out"; }
    xdotool mousemove "$from_x" "$from_y" mousedown 1 mousemove $((from_x + 20)) "$from_y"
    wait_for said "drag started" || fail "no drag started from the source"
    local step
    for step in $(seq 1 20); do
        xdotool mousemove $((from_x + (to_x - from_x) * step / 20)) \
            $((from_y + (to_y - from_y) * step / 20))
    done
    # A loaded machine may drop the last motion's answer on the way: the pointer is moved by a
    # pixel and back, as a hand would, until the field answers.
    nudged_and_taken() {
        xdotool mousemove "$((to_x + 1))" "$to_y" mousemove "$to_x" "$to_y"
        said "the target takes it"
    }
    if [ "${2:-}" = taken ]; then
        wait_for nudged_and_taken || fail "the field would not take '$1'"
    fi
    xdotool mouseup 1
    wait_for said "drag ended" || fail "the drag of '$1' did not end"
    grep -vx "drag started\|the target takes it\|drag ended" "$work/source.out" | tail -n 1 \
        >"$work/left" || true
    kill "$source_pid"
    wait "$source_pid" 2>/dev/null || true
}

drag_onto_first_digit abc
expect_eq "the drag source after a refused drop" "$(cat "$work/left")" abc
drag_onto_first_digit 12
expect_eq "the drag source after a drop too long" "$(cat "$work/left")" 12
drag_onto_first_digit 5 taken
expect_eq "the drag source after a digit was moved" "$(cat "$work/left")" ""
echo "drop: passed"
