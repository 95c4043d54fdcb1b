// The yardstick: a bare Qt main window with a menu bar, of the size of the program's window.
// With TSVETOZNAK_BENCH_CARET set it holds a focused line edit instead of nothing, to tell what
// Qt's own blinking caret costs from what the program adds; with TSVETOZNAK_BENCH_BLINK set, a
// widget that blinks a line one pixel wide at the caret's pace, the least any blink costs.
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QStyleHints>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

class Blink : public QWidget
{
public:
    Blink()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            m_on = !m_on;
            update(Line);
        });
        m_timer.start(QGuiApplication::styleHints()->cursorFlashTime() / 2);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(Line, m_on ? Qt::black : Qt::white);
    }

private:
    static constexpr QRect Line {10, 10, 1, 14};
    QTimer m_timer;
    bool m_on = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(u"Меню"_s)->addAction(u"Выход"_s);
    if (qEnvironmentVariableIsSet("TSVETOZNAK_BENCH_CARET"))
        window.setCentralWidget(new QLineEdit);
    else if (qEnvironmentVariableIsSet("TSVETOZNAK_BENCH_BLINK"))
        window.setCentralWidget(new Blink);
    window.resize(496, 138);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
