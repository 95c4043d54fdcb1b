#pragma once

#include "combination/search.h"
#include "combination/texts.h"

#include <QList>
#include <QObject>

#include <functional>
#include <memory>

class QThread;

namespace combination {

// What to look for, and in which stock.
struct Request
{
    enum class Kind { Value, Divider };
    Kind kind = Kind::Value;
    QList<Decimal> stock; // ascending, each value once
    int mostParts = 3;
    double target = 0; // ohms, for a value
    DividerTarget divider; // for a divider
    double lowestTotal = 0;
    double highestTotal = 0;
};

// What a search has found so far: the best for one more count of parts, the counts coming in
// order; done with the last.
struct Progress
{
    int request = 0;
    int parts = 0;
    QList<Found> found;
    QList<Divider> dividers;
    bool done = false;
};

// Runs each search in a thread of its own, beside the window: a newer search cancels the one
// before, whose findings are never told. The tables of the last stock are kept for the next
// search. Nothing runs between searches.
class Searcher : public QObject
{
    Q_OBJECT

public:
    explicit Searcher(QObject *parent = nullptr);
    ~Searcher() override;

    // Starts the search, and returns the number its progress carries.
    int find(const Request &request);
    // Cancels the search under way; its findings are not told.
    void cancel();
    // Whether a search is under way.
    bool busy() const;

Q_SIGNALS:
    // In the searcher's own thread, for the newest search alone.
    void progressed(const combination::Progress &progress);

private:
    struct Shared;
    static void run(Shared &shared, const Request &request, int number, const Cancel &cancel,
        const std::function<void(Progress)> &tell);

    std::shared_ptr<Shared> m_shared;
    QList<QThread *> m_threads;
    std::shared_ptr<Cancel> m_cancel;
    int m_latest = 0;
};

} // namespace combination
