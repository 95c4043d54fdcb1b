#include "combination/searcher.h"

#include <QMetaObject>
#include <QThread>

#include <algorithm>
#include <mutex>

namespace combination {

struct Searcher::Shared
{
    std::mutex mutex;
    std::shared_ptr<const Tables> tables;

    // The tables of the stock: the last ones where the stock is the same, or new ones. A build
    // once begun is finished, even for a search since cancelled: the next search, on the same
    // stock as often as not, waits for it rather than build them again beside it.
    std::shared_ptr<const Tables> tablesOf(const QList<Decimal> &stock)
    {
        const std::lock_guard lock(mutex);
        if (!tables || tables->values != stock)
            tables = buildTables(stock);
        return tables;
    }
};

// The search itself, in its thread: each count of parts in turn, each told when found.
void Searcher::run(Shared &shared, const Request &request, int number, const Cancel &cancel,
    const std::function<void(Progress)> &tell)
{
    if (request.stock.size() > MostValues)
        return;
    const auto tables = shared.tablesOf(request.stock);
    if (cancel.load())
        return;
    const bool divider = request.kind == Request::Kind::Divider;
    const int fewest = divider ? 2 : 1;
    const int most = std::clamp(request.mostParts, fewest, MostParts);
    for (int parts = fewest; parts <= most; ++parts) {
        Progress progress {number, parts, {}, {}, parts == most};
        if (divider)
            progress.dividers = nearestDividers(*tables, request.divider.ratio, request.lowestTotal,
                request.highestTotal, parts, &cancel);
        else
            progress.found = nearest(*tables, request.target, parts, &cancel);
        if (cancel.load())
            return;
        tell(std::move(progress));
    }
}

Searcher::Searcher(QObject *parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{ }

Searcher::~Searcher()
{
    cancel();
    for (QThread *thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
}

int Searcher::find(const Request &request)
{
    cancel();
    const int number = ++m_latest;
    auto cancelFlag = std::make_shared<Cancel>(false);
    m_cancel = cancelFlag;
    QThread *thread = QThread::create([this, shared = m_shared, request, number, cancelFlag] {
        run(*shared, request, number, *cancelFlag, [this](Progress progress) {
            QMetaObject::invokeMethod(
                this,
                [this, progress = std::move(progress)] {
                    if (progress.request == m_latest)
                        Q_EMIT progressed(progress);
                },
                Qt::QueuedConnection);
        });
    });
    m_threads.append(thread);
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.removeOne(thread);
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
    return number;
}

void Searcher::cancel()
{
    if (m_cancel)
        m_cancel->store(true);
    m_cancel.reset();
}

bool Searcher::busy() const
{
    return !m_threads.isEmpty();
}

} // namespace combination
