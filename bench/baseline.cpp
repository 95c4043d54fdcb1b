// The yardstick: a bare Qt main window with a menu bar, of the size of the program's window.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(u"Меню"_s)->addAction(u"Выход"_s);
    window.resize(496, 138);
    window.show();
    return QApplication::exec();
}
