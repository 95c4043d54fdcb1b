// The start on the Linux desktops, X11 or Wayland.

#include "app/platform.h"

#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace app::platform {

namespace {

constexpr char NoDisplay[] = "Цветознак: нет графического сеанса, программе нужен рабочий стол "
                             "X11 или Wayland. / Tsvetoznak: no graphical session; the program "
                             "needs an X11 or Wayland desktop.\n";

// The display that Qt could not open, from its own words; empty where that was not the failure.
QString unopenedDisplay(const QStringList &said)
{
    for (const QString &line : said) {
        const QString xcb = u"could not connect to display"_s;
        if (const qsizetype at = line.indexOf(xcb); at >= 0)
            return line.mid(at + xcb.size()).trimmed();
        if (line.contains(u"wl_display"_s))
            return qEnvironmentVariable("WAYLAND_DISPLAY", u"wayland-0"_s);
    }
    return {};
}

} // namespace

bool writeAnswer(const QByteArray &utf8)
{
    return std::fputs(utf8.constData(), stdout) != EOF && std::fflush(stdout) != EOF;
}

// No graphical session at all; a display, named, that cannot be opened; or, for any other
// failure, what Qt itself said.
void platformFailed(bool asked, const QStringList &said, const QString &fatal)
{
    const bool noSession = !asked && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (noSession) {
        std::fputs(NoDisplay, stderr);
    } else if (const QString display = unopenedDisplay(said); !display.isEmpty()) {
        std::fprintf(stderr,
            "Цветознак: не удаётся открыть дисплей %s. / Tsvetoznak: cannot open display %s.\n",
            qPrintable(display), qPrintable(display));
    } else {
        for (const QString &line : said)
            std::fprintf(stderr, "%s\n", qPrintable(line));
        std::fprintf(stderr, "%s\n", qPrintable(fatal));
    }
    std::_Exit(1);
}

} // namespace app::platform
