#!/usr/bin/env bash
# The Windows program's tests under Wine: run.sh BUILD_DIR, where ./dev.sh windows left the zip
# and the installer. The program is run from the zip, unpacked, as a user would; each test has a
# fresh Wine prefix, X server and window manager of its own.
set -uo pipefail
here=$(dirname "$(realpath "$0")")
build=$(realpath "$1")
source "$here/../support/literals.env"
zip=$(find "$build" -maxdepth 1 -name "$PROGRAM_COMMAND-*-windows-x64.zip" | head -n 1)
setup=$(find "$build" -maxdepth 1 -name "$PROGRAM_COMMAND-*-windows-x64-setup.exe" | head -n 1)
[ -n "$zip" ] && [ -n "$setup" ] || { echo "FAIL: no zip and installer in $build" >&2; exit 1; }
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$zip") || { echo "FAIL: the zip did not unpack" >&2; exit 1; }
exe=$(find "$unpacked" -name "$PROGRAM_COMMAND.exe" | head -n 1)

status=0
# The end-to-end flows of the Linux program that a Windows user meets the same way, each run
# with the program under Wine.
for flow in start solve nodata helpabout closebox exit geometry bandkeys; do
    TSVETOZNAK_UNDER_WINE=1 bash "$here/../e2e/$flow.sh" "$exe" || status=1
done
# What only the Windows program has: its answers without a window, its tree read through UI
# Automation, and its installer.
bash "$here/options.sh" "$exe" || status=1
bash "$here/automation.sh" "$exe" "$build/uianames.exe" || status=1
bash "$here/installer.sh" "$setup" || status=1
exit "$status"
