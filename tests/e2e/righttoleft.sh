#!/usr/bin/env bash
# In a right-to-left locale the window is not mirrored: every caption is Russian and the layout
# is fixed to the twip. The main window under Arabic looks exactly as it does under Russian.
source "$(dirname "$0")/lib.sh"
# Qt reads the locale from the environment; the C library is given it as well where it can be.
if ! locale -a 2>/dev/null | grep -qx 'ar_EG.utf8'; then
    localedef -i ar_EG -f UTF-8 ar_EG.UTF-8 2>/dev/null || true
fi
start_display

# The window as a locale shows it, with "5%" chosen so that no caret blinks in the picture.
window_in() {
    locale=$1
    start_program
    top=$(client_top)
    click_client $five_percent
    wait_for five_percent_chosen || fail "under $locale the click did not choose 5%"
    import -window "$main_window" "$work/$2.png"
    kill "$program_pid"
    wait "$program_pid" 2>/dev/null || true
}
window_in C.UTF-8 russian
window_in ar_EG.UTF-8 arabic
differing=$(compare -metric AE "$work/russian.png" "$work/arabic.png" /dev/null 2>&1 || true)
if [ "$differing" != 0 ]; then
    cp "$work/arabic.png" "${TMPDIR:-/tmp}/righttoleft-arabic-$$.png"
    fail "under Arabic $differing pixels differ from Russian (${TMPDIR:-/tmp}/righttoleft-arabic-$$.png)"
fi
echo "right to left: passed"
