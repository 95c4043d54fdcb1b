#pragma once

#include "partcode/reading.h"

#include <QList>
#include <QString>

#include <span>
#include <vector>

// Combinations of standard parts: series and parallel networks of resistors taken from a stock
// of values, and what they come to.
namespace combination {

using partcode::Decimal;
using partcode::Tolerance;

// The E series a part may be chosen from, coarsest first: E3 (IEC 60063 gives it no tolerance
// of its own; its parts are the widest, ±20 %) to E192. The tolerance is the one the series
// serves, in hundredths of a per cent.
struct SeriesChoice
{
    QString name;
    std::span<const int> figures;
    Tolerance tolerance;
};
const QList<SeriesChoice> &seriesChoices();
// E24, the series a radio amateur's drawer holds most often.
inline constexpr int DefaultSeries = 3;

// Every value of the series from the lowest to the highest, both included, ascending.
QList<Decimal> seriesValues(std::span<const int> figures, Decimal lowest, Decimal highest);
// A value in ohms as a number.
double ohms(Decimal value);

// How the branches of a network are joined.
enum class Join : char { Series, Parallel };

// A part, or two or more networks joined. Written one way only: a branch is never joined the way
// its network is (a + (b + c) is a + b + c), and the branches stand in a fixed order, parts first.
struct Network
{
    int part = -1; // the index of a part's value in the stock; -1 in a join
    Join join = Join::Series;
    std::vector<Network> branches;

    bool isPart() const { return part >= 0; }
    int partCount() const;
    bool operator==(const Network &other) const = default;
};

Network part(int index);
// The two networks joined, and written the one way.
Network joined(Join join, Network first, Network second);
// What the network comes to, its parts' values taken from the stock.
double ohmsOf(const Network &network, std::span<const double> stock);

} // namespace combination
