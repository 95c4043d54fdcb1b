// The yardstick: a bare Qt main window with a menu bar, of the size of the program's window.
// With TSVETOZNAK_BENCH_TIMER_MS set it also runs an empty timer at that interval, to tell the
// cost of waking up that often from the cost of what the program does when it wakes.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(u"Меню"_s)->addAction(u"Выход"_s);
    window.resize(496, 138);
    window.show();
    QTimer wakeUp;
    if (const int interval = qEnvironmentVariableIntValue("TSVETOZNAK_BENCH_TIMER_MS"))
        wakeUp.start(interval);
    return QApplication::exec();
}
