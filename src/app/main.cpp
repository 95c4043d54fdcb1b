#include "forms/application.h"
#include "forms/runtime.h"
#include "main/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    forms::preparePlatform();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tsvetoznak"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.Tsvetoznak"));
    forms::prepareApplication();
    forms::DesktopRuntime runtime;
    Form1 window(runtime);
    window.showCentred();
    return QApplication::exec();
}
