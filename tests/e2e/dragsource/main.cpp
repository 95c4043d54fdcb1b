// The other program of the drag-and-drop test: a line of text, given as its argument, that is
// dragged whole, as a text editor drags a selection: moved unless the target takes only a copy,
// and deleted here once the target reports it moved. It prints its text at start and whenever
// the text changes, so the test sees whether a drop took the text away, and says when a drag
// starts, when the target under it would take the text, and when the drag has ended.
#include <QApplication>
#include <QDrag>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

#include <cstdio>

namespace {

class Source : public QLineEdit
{
public:
    using QLineEdit::QLineEdit;

protected:
    void mousePressEvent(QMouseEvent *event) override { m_pressed = event->position().toPoint(); }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!(event->buttons() & Qt::LeftButton)
            || (event->position().toPoint() - m_pressed).manhattanLength()
                < QApplication::startDragDistance())
            return;
        auto *drag = new QDrag(this);
        auto *data = new QMimeData;
        data->setText(text());
        drag->setMimeData(data);
        connect(drag, &QDrag::actionChanged, this, [](Qt::DropAction action) {
            if (action != Qt::IgnoreAction)
                say("the target takes it");
        });
        say("drag started");
        if (drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction) == Qt::MoveAction)
            clear();
        say("drag ended");
    }

private:
    static void say(const char *line)
    {
        std::printf("%s\n", line);
        std::fflush(stdout);
    }

    QPoint m_pressed;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Source source(QString::fromLocal8Bit(argc > 1 ? argv[1] : ""));
    source.setWindowTitle(QStringLiteral("drag source"));
    source.setReadOnly(true);
    source.setFixedSize(200, 30);
    const auto print = [&source] {
        std::printf("%s\n", qPrintable(source.text()));
        std::fflush(stdout);
    };
    QObject::connect(&source, &QLineEdit::textChanged, print);
    source.show();
    print();
    return QApplication::exec();
}
