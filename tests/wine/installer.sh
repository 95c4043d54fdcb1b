#!/usr/bin/env bash
# The installer under Wine, in a fresh prefix: installed silently for the user, its Start-menu
# entry starts the program, its entry under "Apps & features" names it, and the silent uninstall
# leaves nothing behind.
source "$(dirname "$0")/lib.sh"
readonly setup=$program
start_display

# Everything under the prefix's drive and in its user registry, as lists to compare.
# Wine's own folder, which it goes on setting up by itself (its driver store, say), is left out:
# the installer writes nothing there.
prefix_files() { (cd "$WINEPREFIX/drive_c" && find . -path ./windows -prune -o -print | sort); }
uninstall_key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$APP_ID"
prefix_files >"$work/files-before"

wine "$setup" /S >"$work/setup.log" 2>&1 || fail "the silent install ended with $?"
wineserver --wait
folder="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/$PROGRAM_COMMAND"
shortcut="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/$PROGRAM_NAME.lnk"
[ -f "$folder/$PROGRAM_COMMAND.exe" ] || fail "nothing installed into $folder"
[ -f "$shortcut" ] || fail "no Start-menu entry"
# reg writes to a pipe in the console's code page, which is CP866 for a Russian user.
registered() { wine reg query "$uninstall_key" /v "$1" 2>/dev/null | iconv -f CP866 | tr -d '\r' \
    | awk -v name="$1" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }
expect_eq "name under Apps & features" "$(registered DisplayName)" "$PROGRAM_NAME"
expect_eq "version under Apps & features" "$(registered DisplayVersion)" "$PROGRAM_VERSION"
expect_eq "publisher under Apps & features" "$(registered Publisher)" "$PUBLISHER"
registered UninstallString | grep -q 'uninstall.exe' || fail "no uninstaller registered"

# The Start-menu entry starts the program.
wine start /unix "$shortcut" >"$work/start.log" 2>&1 &
wait_for xdotool search --onlyvisible --name "^$main_title\$" \
    || fail "the Start-menu entry did not start the program"
wineserver --kill
wineserver --wait

# /S uninstalls silently; the uninstaller copies itself away and returns at once, so the test
# waits for its work to be done.
wine "$folder/uninstall.exe" /S >"$work/uninstall.log" 2>&1 || fail "the silent uninstall ended with $?"
wineserver --wait
# The copy it ran from goes at the next start of Windows. Its folder in the user's temporary
# files is asked to go before the copy is, and so stays, empty, as NSIS leaves it everywhere.
wineboot --restart >>"$work/uninstall.log" 2>&1
wineserver --wait
prefix_files | grep -Ev '^\./users/[^/]*/(AppData/Local/)?Temp/~nsu[0-9]*\.tmp$' >"$work/files-after"
wait_for test ! -e "$folder" || fail "the program's folder is still there: $(ls -R "$folder")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
[ -z "$(registered DisplayName)" ] || fail "the program is still registered"
left=$(comm -13 "$work/files-before" "$work/files-after")
[ -z "$left" ] || fail "the uninstall left: $left"
echo "windows installer: passed"
