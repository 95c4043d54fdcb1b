# What makes the end-to-end tests' library run the Windows program under Wine: sourced by it at
# its end where TSVETOZNAK_UNDER_WINE is set, with the Windows executable as the program. The
# test's display gets a fresh Wine prefix of its own in a Russian locale, with the fonts a
# Windows machine has or their replacements, and the program is started through Wine.

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

# Qt finds the machine's own fonts under Wine, not Wine's: the program takes Liberation Sans and
# Liberation Mono for the faces a Windows machine has, as it does on Linux. Wine's own dialogs
# are given Liberation Mono for Courier New, which Wine lacks.
eval "x11_$(declare -f start_display)"
start_display() {
    x11_start_display
    wineboot --init >"$work/wineboot.log" 2>&1
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /t REG_SZ \
        /d 'Liberation Mono' /f >/dev/null 2>&1
    wineserver --wait
}

# The program through Wine, in the Russian locale; Wine's loader becomes the program.
program_command() {
    exec wine "$program"
}

# A Wine program or a query of the registry may have started a server of the prefix's own,
# which writes into it until it ends.
end_writers() {
    wineserver --kill 2>/dev/null || true
    wineserver --wait 2>/dev/null || true
}
