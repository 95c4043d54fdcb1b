# Shared by the tests of the Windows program under Wine: each sources this file with the
# Windows executable as its first argument, and gets the end-to-end tests' X server, window
# manager and checks, a fresh Wine prefix of its own in a Russian locale, with the fonts a
# Windows machine has or their replacements, and the program started through Wine.
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" "$1"

# A Russian Windows user: Wine takes the user's locale, and with it the decimal comma, from the
# environment. The C library is given the locale where it can be.
readonly russian=ru_RU.UTF-8
if ! locale -a 2>/dev/null | grep -qx 'ru_RU.utf8'; then
    localedef -i ru_RU -f UTF-8 "$russian" 2>/dev/null || true
fi
export LANG=$russian LC_ALL=$russian
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# No .NET, no browser engine, and nothing written into the host's menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine's own fonts give Tahoma and MS Sans Serif; Courier New, which a Windows machine has and
# Wine does not, is the metric-alike Liberation Mono.
start_wine() {
    start_display
    wineboot --init >"$work/wineboot.log" 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ \
        /d 'Liberation Mono' /f >/dev/null 2>&1
    wineserver --wait
}

# The program through Wine, in the Russian locale; Wine's loader becomes the program.
program_command() {
    exec wine "$program"
}
