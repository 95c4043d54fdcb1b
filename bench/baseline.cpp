// The yardstick: a bare Qt main window with a menu bar, of the size of the program's window.
// With TSVETOZNAK_BENCH_CARET set it holds a focused line edit instead of nothing, to tell what
// Qt's own blinking caret costs from what the program adds.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(u"Меню"_s)->addAction(u"Выход"_s);
    if (qEnvironmentVariableIsSet("TSVETOZNAK_BENCH_CARET"))
        window.setCentralWidget(new QLineEdit);
    window.resize(496, 138);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
