#pragma once

#include "combination/network.h"

#include <QList>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

namespace combination {

// The most parts a network or a divider is made of.
inline constexpr int MostParts = 4;
// The most values a stock may hold: E192 from 1 Ом to 10 МОм is 1345, and their tables near two
// million pairs; a stock ten times as large would take a hundred times the memory.
inline constexpr int MostValues = 1400;
// How many of the best networks are kept for each count of parts.
inline constexpr int KeptPerCount = 5;

// A stock of values and every network of one and of two parts made from it, each by value: what
// the search looks up. Built once for a stock; for E192 over seven decades it holds near two
// million pairs.
struct Tables
{
    struct Entry
    {
        double ohms;
        int first;
        int second; // -1 for a single part
        Join join;
    };

    QList<Decimal> values; // ascending
    std::vector<double> ohms;
    std::vector<Entry> singles; // ascending by value
    std::vector<Entry> pairs; // ascending by value

    Network network(const Entry &entry) const;
};

// The tables of the stock, ascending, one of each value.
std::shared_ptr<const Tables> buildTables(const QList<Decimal> &values);

// Set from elsewhere to stop a search; it then ends early, its results partial.
using Cancel = std::atomic<bool>;

// A network with what it comes to and how far that is from the target, as a share of it
// (+0,01 is 1 % high).
struct Found
{
    Network network;
    double ohms = 0;
    double error = 0;
};

// The networks of exactly that many parts nearest the target, at most KeptPerCount of them,
// the nearest first; of equal error, in a fixed order.
QList<Found> nearest(const Tables &tables, double target, int parts, const Cancel *cancel = {});

// A voltage divider: the upper arm from the input to the output, the lower from the output to
// ground, and the share of the input it gives, Vout/Vin = lower / (upper + lower).
struct Divider
{
    Network upper;
    Network lower;
    double upperOhms = 0;
    double lowerOhms = 0;
    double ratio = 0;
    double error = 0; // as a share of the ratio wanted
};

// The dividers of exactly that many parts (two to four, one or two an arm) whose ratio comes
// nearest the one wanted, with the two arms together between the limits given; at most
// KeptPerCount, the nearest first.
QList<Divider> nearestDividers(const Tables &tables, double ratio, double lowestTotal,
    double highestTotal, int parts, const Cancel *cancel = {});

} // namespace combination
