// Renders the program's windows to PNG files on the offscreen platform, without a display:
//   tsvetoznak-screenshots FOLDER
#include "forms/application.h"
#include "forms/session.h"
#include "main/form1.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLineEdit>
#include <QRadioButton>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Lets the readout timer tick and the windows paint.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget *window, const QDir &folder, const QString &name)
{
    settle();
    const QString path = folder.filePath(name + QStringLiteral(".png"));
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

QWidget *topLevel(const QString &name)
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->objectName() == name && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tsvetoznak-screenshots FOLDER\n", stderr);
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fputs("cannot create the folder\n", stderr);
        return 1;
    }
    forms::prepareApplication();
    forms::QtSession session;
    Form1 window(session);
    window.showCentred();

    bool ok = save(&window, folder, QStringLiteral("main-1-collapsed"));
    window.Lbl2_Click();
    ok &= save(&window, folder, QStringLiteral("main-2-legend"));
    window.Auther_Click();
    ok &= save(&window, folder, QStringLiteral("main-3-expanded"));
    window.Lbl2_Click();
    ok &= save(&window, folder, QStringLiteral("main-4-expanded-no-legend"));
    window.Auther_Click();

    // The main job done: 4,7 КОм, 5%, solved.
    window.findChild<QLineEdit *>(QStringLiteral("Text13"))->setText(QStringLiteral("4"));
    window.findChild<QLineEdit *>(QStringLiteral("Text14"))->setText(QStringLiteral("7"));
    window.findChild<QLineEdit *>(QStringLiteral("Text15"))->setText(QStringLiteral("100"));
    window.findChild<QRadioButton *>(QStringLiteral("Option3"))->setChecked(true);
    settle();
    window.Command1_Click();
    ok &= save(&window, folder, QStringLiteral("main-solved"));

    window.HElP_cmd_Click();
    settle();
    if (QWidget *help = topLevel(QStringLiteral("Form2")))
        ok &= save(help, folder, QStringLiteral("help"));
    else
        ok = false;
    window.about_Click();
    settle();
    if (QWidget *about = topLevel(QStringLiteral("Form3")))
        ok &= save(about, folder, QStringLiteral("about"));
    else
        ok = false;
    return ok ? 0 : 1;
}
