// Linked into the program and into the baseline alike. With TSVETOZNAK_BENCH_PROBE set it
// writes to standard output, as CLOCK_MONOTONIC nanoseconds, when the first paint of the window
// is done ("painted N"), then ends the program ("startup"), or first idles and writes the CPU
// time that ten seconds of idling took ("idle N") and how often its threads woke in them
// ("wakeups N"). It idles with its window active ("idle") or behind a window of its own that
// takes the activation ("idle-inactive"). In the program, it may instead run the menu item that
// F6 runs once the window has settled, and write how long the window that item opens took to
// be painted ("opened N", in nanoseconds), then end the program ("reading"); or the item of F7
// ("smd"), and then also type a marking of two readings into the window's field and write the
// longest that one of its keys took to be handled, the answer shown ("keyed N"); or the item of
// F8 ("combination"), and then time, in nanoseconds, the longest of three keys to the ranked
// lists of E24 up to three parts ("e24 N"), of E96 up to four parts once its tables are built
// ("e96 N"), E192 up to four parts the first time ("e192 N"), and the longest a key took to be
// handled while that search ran ("busykey N").
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

long long nanoseconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

constexpr int SettleMs = 1000;
constexpr int IdleMs = 10000;

// Context switches of every thread of this process so far: each is one wake-up or one
// preemption.
long long contextSwitches()
{
    long long switches = 0;
    const QDir tasks(u"/proc/self/task"_s);
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task) + u"/status"_s);
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (!line.contains("ctxt_switches:"))
                continue;
            switches += line.mid(line.indexOf(':') + 1).trimmed().toLongLong();
        }
    }
    return switches;
}

class Probe : public QObject
{
public:
    enum class Mode { Startup, Idle, IdleInactive, Reading, Smd, Combination };

    Probe(Mode mode, QObject *parent)
        : QObject(parent)
        , m_mode(mode)
    { }

protected:
    // A window paints its widgets one after the other and then puts them on the screen, all
    // before the event loop turns again: a zero timer started at the first paint event fires
    // once the whole window is shown.
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::Paint || !widget)
            return false;
        if (m_openedFrom) {
            // The first paint of the window the item opened.
            if (widget->window() == m_mainWindow)
                return false;
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, &Probe::opened);
            return false;
        }
        QCoreApplication::instance()->removeEventFilter(this);
        m_mainWindow = widget->window();
        QTimer::singleShot(0, this, &Probe::painted);
        return false;
    }

private:
    void painted()
    {
        std::printf("painted %lld\n", nanoseconds(CLOCK_MONOTONIC));
        std::fflush(stdout);
        if (m_mode == Mode::Startup) {
            QCoreApplication::exit(0);
            return;
        }
        if (m_mode == Mode::Reading || m_mode == Mode::Smd || m_mode == Mode::Combination) {
            QTimer::singleShot(SettleMs, this, &Probe::openWindow);
            return;
        }
        if (m_mode == Mode::IdleInactive) {
            // A small blank window of the same process takes the activation.
            m_other = new QWidget;
            m_other->setGeometry(900, 700, 40, 40);
            m_other->show();
            m_other->activateWindow();
        }
        QTimer::singleShot(SettleMs, this, [this] {
            m_idleFrom = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
            m_switchesFrom = contextSwitches();
            QTimer::singleShot(IdleMs, this, [this] {
                std::printf("idle %lld\nwakeups %lld\n",
                    nanoseconds(CLOCK_PROCESS_CPUTIME_ID) - m_idleFrom,
                    contextSwitches() - m_switchesFrom);
                std::fflush(stdout);
                delete m_other;
                QCoreApplication::exit(0);
            });
        });
    }

    void openWindow()
    {
        auto *item = m_mainWindow->findChild<QAction *>(m_mode == Mode::Smd ? u"readMarking"_s
                : m_mode == Mode::Combination                               ? u"fitValue"_s
                                                                            : u"readColours"_s);
        if (!item) {
            QCoreApplication::exit(1);
            return;
        }
        QCoreApplication::instance()->installEventFilter(this);
        m_openedFrom = nanoseconds(CLOCK_MONOTONIC);
        item->trigger();
    }

    void opened()
    {
        std::printf("opened %lld\n", nanoseconds(CLOCK_MONOTONIC) - m_openedFrom);
        if (m_mode == Mode::Smd)
            typeMarking();
        if (m_mode == Mode::Combination)
            combine();
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    // Each key is handled, and the answer it brings laid out, before sendEvent returns.
    static void typeMarking()
    {
        auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget());
        if (!field)
            return;
        long long longest = 0;
        for (const QChar character : u"47R"_s) {
            const long long from = nanoseconds(CLOCK_MONOTONIC);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
            QCoreApplication::sendEvent(field, &press);
            QCoreApplication::sendEvent(field, &release);
            longest = std::max(longest, nanoseconds(CLOCK_MONOTONIC) - from);
        }
        std::printf("keyed %lld\n", field->text() == u"47R"_s ? longest : -1);
    }

    // Sends a key to the focused field, and returns how long it took to be handled.
    static long long key(Qt::Key code, const QString &text = {})
    {
        const long long from = nanoseconds(CLOCK_MONOTONIC);
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &press);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &release);
        return nanoseconds(CLOCK_MONOTONIC) - from;
    }

    // The window searches beside itself; done when its lists are shown and it says nothing
    // more, or -1 after a minute. While it has found nothing yet, arrow keys are sent to the
    // field, which change nothing asked, and the longest one's time is kept.
    static long long searched(QWidget *window, long long from, long long *longestKey = nullptr)
    {
        auto *list = window->findChild<QListWidget *>(u"results"_s);
        auto *message = window->findChild<QLabel *>(u"message"_s);
        const long long deadline = nanoseconds(CLOCK_MONOTONIC) + 60'000'000'000LL;
        bool left = true;
        while (list->count() == 0 || !message->text().isEmpty()) {
            if (nanoseconds(CLOCK_MONOTONIC) > deadline)
                return -1;
            QCoreApplication::processEvents(QEventLoop::AllEvents);
            if (longestKey && list->count() == 0) {
                *longestKey = std::max(*longestKey, key(left ? Qt::Key_Left : Qt::Key_Right));
                left = !left;
            }
        }
        return nanoseconds(CLOCK_MONOTONIC) - from;
    }

    // Keys typed over the field's text, each to its ranked lists; the longest.
    static long long typed(QWidget *window, const QString &keys)
    {
        if (auto *field = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
            field->selectAll();
        long long longest = 0;
        for (const QChar character : keys) {
            const long long from = nanoseconds(CLOCK_MONOTONIC);
            key(Qt::Key_unknown, character);
            const long long took = searched(window, from);
            if (took < 0)
                return -1;
            longest = std::max(longest, took);
        }
        return longest;
    }

    static void combine()
    {
        QWidget *window = QApplication::activeWindow();
        auto *series = window ? window->findChild<QComboBox *>(u"series"_s) : nullptr;
        auto *parts = window ? window->findChild<QComboBox *>(u"parts"_s) : nullptr;
        if (!series || !parts)
            return;
        std::printf("e24 %lld\n", typed(window, u"35к"_s));
        parts->setCurrentIndex(3);
        series->setCurrentIndex(5);
        searched(window, 0);
        std::printf("e96 %lld\n", typed(window, u"147"_s));
        const long long from = nanoseconds(CLOCK_MONOTONIC);
        long long longestKey = 0;
        series->setCurrentIndex(6);
        std::printf("e192 %lld\n", searched(window, from, &longestKey));
        std::printf("busykey %lld\n", longestKey);
    }

    Mode m_mode;
    QWidget *m_mainWindow = nullptr;
    long long m_openedFrom = 0;
    QWidget *m_other = nullptr;
    long long m_idleFrom = 0;
    long long m_switchesFrom = 0;
};

void installProbe()
{
    const QByteArray mode = qgetenv("TSVETOZNAK_BENCH_PROBE");
    Probe::Mode probing;
    if (mode == "startup")
        probing = Probe::Mode::Startup;
    else if (mode == "idle")
        probing = Probe::Mode::Idle;
    else if (mode == "idle-inactive")
        probing = Probe::Mode::IdleInactive;
    else if (mode == "reading")
        probing = Probe::Mode::Reading;
    else if (mode == "smd")
        probing = Probe::Mode::Smd;
    else if (mode == "combination")
        probing = Probe::Mode::Combination;
    else
        return;
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new Probe(probing, application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
