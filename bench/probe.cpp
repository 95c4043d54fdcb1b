// Linked into the program and into the baseline alike. With TSVETOZNAK_BENCH_PROBE set it
// writes to standard output, as CLOCK_MONOTONIC nanoseconds, when the first paint of the window
// is done ("painted N"), then ends the program ("startup"), or first idles and writes the CPU
// time that ten seconds of idling took ("idle N").
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {

long long nanoseconds(clockid_t clock)
{
    timespec now {};
    clock_gettime(clock, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

constexpr int SettleMs = 1000;
constexpr int IdleMs = 10000;

class Probe : public QObject
{
public:
    Probe(bool idle, QObject *parent)
        : QObject(parent)
        , m_idle(idle)
    { }

protected:
    // A window paints its widgets one after the other and then puts them on the screen, all
    // before the event loop turns again: a zero timer started at the first paint event fires
    // once the whole window is shown.
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, &Probe::painted);
        }
        return false;
    }

private:
    void painted()
    {
        std::printf("painted %lld\n", nanoseconds(CLOCK_MONOTONIC));
        std::fflush(stdout);
        if (!m_idle) {
            QCoreApplication::exit(0);
            return;
        }
        QTimer::singleShot(SettleMs, this, [this] {
            m_idleFrom = nanoseconds(CLOCK_PROCESS_CPUTIME_ID);
            QTimer::singleShot(IdleMs, this, [this] {
                std::printf("idle %lld\n", nanoseconds(CLOCK_PROCESS_CPUTIME_ID) - m_idleFrom);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        });
    }

    bool m_idle;
    long long m_idleFrom = 0;
};

void installProbe()
{
    const QByteArray mode = qgetenv("TSVETOZNAK_BENCH_PROBE");
    if (mode != "startup" && mode != "idle")
        return;
    QCoreApplication *application = QCoreApplication::instance();
    application->installEventFilter(new Probe(mode == "idle", application));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
