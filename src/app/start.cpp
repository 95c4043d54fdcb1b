#include "start.h"

#include "forms/application.h"
#include "forms/session.h"
#include "main/form1.h"
#include "windows/program.h"

#include <QApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

constexpr char Usage[]
    = "Использование: tsvetoznak [--help | --version] [параметры Qt]\n"
      "Цветовой код резисторов: какими полосами отмечен резистор нужного номинала. Действуют "
      "стандартные параметры Qt (-platform, -display, -style, -reverse и другие); прочие "
      "аргументы не учитываются.\n"
      "Usage: tsvetoznak [--help | --version] [Qt options]\n"
      "The four-band resistor colour code of a wanted nominal. Qt's standard options "
      "(-platform, -display, -style, -reverse and others) apply; other arguments are "
      "ignored.\n";

constexpr char NoDisplay[] = "Цветознак: нет графического сеанса, программе нужен рабочий стол "
                             "X11 или Wayland. / Tsvetoznak: no graphical session; the program "
                             "needs an X11 or Wayland desktop.\n";

// Writes the answer to an option on standard output; a failed write or flush is an error, as in
// every standard tool, and not a success.
int printAnswer(const char *text)
{
    if (std::fputs(text, stdout) != EOF && std::fflush(stdout) != EOF)
        return 0;
    std::fprintf(
        stderr, "Цветознак: ошибка записи / Tsvetoznak: write error: %s\n", std::strerror(errno));
    return 1;
}

bool hasArgument(int argc, char *argv[], const char *wanted)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], wanted) == 0)
            return true;
    }
    return false;
}

// While Qt opens its platform. Its words on the platform are held back: a start that succeeds
// needs none of them, and a start that fails is told as plainly as what went wrong allows.
struct OpeningPlatform
{
    // Whether the user named a platform or a display, so that the environment's lack of a
    // graphical session is not the whole story.
    bool asked = false;
    QStringList held;
};

OpeningPlatform &openingPlatform()
{
    static OpeningPlatform opening;
    return opening;
}

// The display that Qt could not open, from its own words; empty where that was not the failure.
QString unopenedDisplay(const QStringList &said)
{
    for (const QString &line : said) {
        const QLatin1StringView xcb("could not connect to display");
        if (const qsizetype at = line.indexOf(xcb); at >= 0)
            return line.mid(at + xcb.size()).trimmed();
        if (line.contains(QLatin1StringView("wl_display")))
            return qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    }
    return {};
}

// Ends a start whose platform could not be opened with status 1, without a core dump, saying
// why: no graphical session at all; a display, named, that cannot be opened; or, for any other
// failure, what Qt itself said.
[[noreturn]] void platformFailed(const QString &fatal)
{
    const OpeningPlatform &opening = openingPlatform();
    const bool noSession = !opening.asked && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (noSession) {
        std::fputs(NoDisplay, stderr);
    } else if (const QString display = unopenedDisplay(opening.held); !display.isEmpty()) {
        std::fprintf(stderr,
            "Цветознак: не удаётся открыть дисплей %s. / Tsvetoznak: cannot open display %s.\n",
            qPrintable(display), qPrintable(display));
    } else {
        for (const QString &line : opening.held)
            std::fprintf(stderr, "%s\n", qPrintable(line));
        std::fprintf(stderr, "%s\n", qPrintable(fatal));
    }
    std::_Exit(1);
}

void whileOpeningPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString line = qFormatLogMessage(type, context, message);
    if (type == QtFatalMsg)
        platformFailed(line);
    if (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0)
        openingPlatform().held.append(line);
    else
        std::fprintf(stderr, "%s\n", qPrintable(line));
}

} // namespace

namespace app {

int run(int argc, char *argv[])
{
    if (hasArgument(argc, argv, "--help"))
        return printAnswer(Usage);
    if (hasArgument(argc, argv, "--version")) {
        const QString version = windows::ProgramTitle + u" ("_s + windows::ProgramName + u' '
            + windows::ProgramVersion + u")\n"_s;
        return printAnswer(version.toUtf8().constData());
    }
    forms::preparePlatform();
    openingPlatform().asked = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || hasArgument(argc, argv, "-platform") || hasArgument(argc, argv, "-display");
    const QtMessageHandler usual = qInstallMessageHandler(whileOpeningPlatform);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    QApplication::setApplicationName(windows::ProgramName);
    QGuiApplication::setDesktopFileName(windows::ProgramId);
    forms::prepareApplication();
    forms::QtSession session;
    Form1 window(session);
    window.showCentred();
    return QApplication::exec();
}

} // namespace app
