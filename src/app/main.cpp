#include "forms/application.h"
#include "forms/runtime.h"
#include "main/form1.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char Usage[] = "Использование: tsvetoznak [--help | --version]\n"
                         "Цветовой код резисторов: какими полосами отмечен резистор нужного "
                         "номинала. Прочие аргументы не учитываются.\n"
                         "Usage: tsvetoznak [--help | --version]\n"
                         "The four-band resistor colour code of a wanted nominal. Other "
                         "arguments are ignored.\n";

constexpr char NoDisplay[] = "Цветознак: нет графического сеанса, программе нужен рабочий стол "
                             "X11 или Wayland. / Tsvetoznak: no graphical session; the program "
                             "needs an X11 or Wayland desktop.\n";

// While Qt opens its platform: what it says of a platform that cannot be opened is replaced
// by one plain line, and its fatal end by exit status 1 (no abort, no core dump). Every other
// message goes out as usual.
void openingPlatform(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg) {
        std::fputs(NoDisplay, stderr);
        std::_Exit(1);
    }
    if (context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0)
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0) {
            std::fputs(Usage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Цветознак v1.0 (tsvetoznak " TSVETOZNAK_VERSION ")");
            return 0;
        }
    }
    forms::preparePlatform();
    const QtMessageHandler usual = qInstallMessageHandler(openingPlatform);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
    QApplication::setApplicationName(QStringLiteral("tsvetoznak"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tsvetoznak"));
    forms::prepareApplication();
    forms::DesktopRuntime runtime;
    Form1 window(runtime);
    window.showCentred();
    return QApplication::exec();
}
