// Renders the program's forms to PNG files on the offscreen platform, without a display:
//   tsvetoznak-screenshots FOLDER
#include "forms/application.h"
#include "forms/session.h"
#include "mainwindow/form1.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// Lets the readout timer tick and the forms paint.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(100, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget *window, const QDir &folder, const QString &name)
{
    settle();
    const QString path = folder.filePath(name + u".png"_s);
    const bool saved = window->grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "could not write ") << path << Qt::endl;
    return saved;
}

QWidget *topLevel(const QString &name)
{
    const auto topLevels = QApplication::topLevelWidgets();
    for (QWidget *window : topLevels) {
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
    if (!folder.mkpath(u"."_s)) {
        std::fputs("cannot create the folder\n", stderr);
        return 1;
    }
    forms::prepareApplication();
    forms::QtSession session;
    Form1 window(session);
    window.showCentred();

    bool ok = save(&window, folder, u"main-1-collapsed"_s);
    window.Lbl2_Click();
    ok &= save(&window, folder, u"main-2-legend"_s);
    window.Auther_Click();
    ok &= save(&window, folder, u"main-3-expanded"_s);
    window.Lbl2_Click();
    ok &= save(&window, folder, u"main-4-expanded-no-legend"_s);
    window.Auther_Click();

    // The main job done: 4,7 КОм, 5%, solved.
    window.findChild<QLineEdit *>(u"Text13"_s)->setText(u"4"_s);
    window.findChild<QLineEdit *>(u"Text14"_s)->setText(u"7"_s);
    window.findChild<QLineEdit *>(u"Text15"_s)->setText(u"100"_s);
    window.findChild<QRadioButton *>(u"Option3"_s)->setChecked(true);
    settle();
    window.Command1_Click();
    ok &= save(&window, folder, u"main-solved"_s);

    window.HElP_cmd_Click();
    settle();
    if (QWidget *help = topLevel(u"Form2"_s))
        ok &= save(help, folder, u"help"_s);
    else
        ok = false;
    window.about_Click();
    settle();
    if (QWidget *about = topLevel(u"Form3"_s))
        ok &= save(about, folder, u"about"_s);
    else
        ok = false;

    // The reading window with a 1 % part of five bands, brown, black, black, red, brown, picked
    // by the digit keys of its bands.
    window.openReadingWindow();
    settle();
    if (QWidget *reading = topLevel(u"readingWindow"_s)) {
        reading->findChild<QRadioButton *>(u"fiveBands"_s)->setChecked(true);
        const QString digits = u"10021"_s;
        for (int band = 0; band < digits.size(); ++band) {
            QWidget *list = reading->findChild<QWidget *>(u"band"_s + QString::number(band + 1));
            QKeyEvent key(QEvent::KeyPress, Qt::Key_0 + digits[band].digitValue(), Qt::NoModifier,
                digits.mid(band, 1));
            QApplication::sendEvent(list, &key);
        }
        ok &= save(reading, folder, u"reading-window"_s);
    } else {
        ok = false;
    }

    // The SMD window with a marking of two readings typed into its field.
    window.openSmdWindow();
    settle();
    if (QWidget *smd = topLevel(u"smdWindow"_s)) {
        smd->findChild<QLineEdit *>(u"marking"_s)->setText(u"47R"_s);
        ok &= save(smd, folder, u"smd-window"_s);
    } else {
        ok = false;
    }

    // The combination window with 89 КОм asked of E24, its lists found; the user's own list,
    // kept where tests keep it, empty.
    QStandardPaths::setTestModeEnabled(true);
    window.openCombinationWindow();
    settle();
    if (QWidget *combination = topLevel(u"combinationWindow"_s)) {
        combination->findChild<QPlainTextEdit *>(u"owned"_s)->clear();
        combination->findChild<QLineEdit *>(u"target"_s)->setText(u"89к"_s);
        const auto *message = combination->findChild<QLabel *>(u"message"_s);
        const auto *results = combination->findChild<QListWidget *>(u"results"_s);
        while (results->count() == 0 || !message->text().isEmpty())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        settle();
        ok &= save(combination, folder, u"combination-window"_s);
    } else {
        ok = false;
    }
    return ok ? 0 : 1;
}
