#include "app/start.h"

#include "app/platform.h"

#include "forms/application.h"
#include "forms/session.h"
#include "mainwindow/form1.h"
#include "program/program.h"

#include <QApplication>
#include <QStringList>

#include <cerrno>
#include <cstdio>
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

// Writes the answer to an option where the user reads it; a failed write is an error, as in
// every standard tool, and not a success.
int printAnswer(const QByteArray &utf8)
{
    if (app::platform::writeAnswer(utf8))
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

void whileOpeningPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QString line = qFormatLogMessage(type, context, message);
    if (type == QtFatalMsg) {
        const OpeningPlatform &opening = openingPlatform();
        app::platform::platformFailed(opening.asked, opening.held, line);
    }
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
    if (hasArgument(argc, argv, "--version"))
        return printAnswer(
            (program::Title + u" ("_s + program::Command + u' ' + program::Version + u")\n"_s)
                .toUtf8());
    forms::preparePlatform();
    openingPlatform().asked = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || hasArgument(argc, argv, "-platform") || hasArgument(argc, argv, "-display");
    const QtMessageHandler usual = qInstallMessageHandler(whileOpeningPlatform);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    QApplication::setApplicationName(program::Command);
    QGuiApplication::setDesktopFileName(program::Id);
    forms::prepareApplication();
    forms::QtSession session;
    Form1 window(session);
    window.showCentred();
    return QApplication::exec();
}

} // namespace app
