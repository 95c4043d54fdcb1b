#include "combination/network.h"

#include "partcode/iec60063.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace combination {

namespace {

inline constexpr std::array<int, 3> E3 {10, 22, 47};

// The order of branches in a network joined so: parts first, the one that sets the value most
// before the other (the largest in series, the smallest in parallel); then the joins, the
// smaller first, then by their branches.
bool before(const Network &a, const Network &b, Join join)
{
    if (a.isPart() != b.isPart())
        return a.isPart();
    if (a.isPart())
        return join == Join::Series ? a.part > b.part : a.part < b.part;
    if (a.partCount() != b.partCount())
        return a.partCount() < b.partCount();
    return std::lexicographical_compare(a.branches.begin(), a.branches.end(), b.branches.begin(),
        b.branches.end(),
        [&a](const Network &x, const Network &y) { return before(x, y, a.join); });
}

} // namespace

const QList<SeriesChoice> &seriesChoices()
{
    static const QList<SeriesChoice> choices = [] {
        QList<SeriesChoice> all {{u"E3"_s, E3, 2000}};
        for (const iec60063::Series &series : iec60063::AllSeries)
            all.append({QString::fromUtf16(series.name), series.figures, series.tolerance});
        return all;
    }();
    return choices;
}

QList<Decimal> seriesValues(std::span<const int> figures, Decimal lowest, Decimal highest)
{
    QList<Decimal> values;
    const double low = ohms(lowest) * (1 - 1e-12);
    const double high = ohms(highest) * (1 + 1e-12);
    if (figures.empty() || !(low > 0) || high < low)
        return values;
    // The figures' own exponent: 10 for two figures, 100 for three.
    const int figureCount = partcode::digitCount(figures.front());
    for (int power = int(std::floor(std::log10(low))) - figureCount;
         power <= int(std::ceil(std::log10(high))); ++power) {
        for (const int figure : figures) {
            const Decimal value = partcode::normalised({figure, power});
            const double valueOhms = ohms(value);
            if (valueOhms >= low && valueOhms <= high)
                values.append(value);
        }
    }
    return values;
}

double ohms(Decimal value)
{
    return double(value.digits) * std::pow(10.0, value.exponent);
}

int Network::partCount() const
{
    if (isPart())
        return 1;
    int count = 0;
    for (const Network &branch : branches)
        count += branch.partCount();
    return count;
}

Network part(int index)
{
    return Network {index, Join::Series, {}};
}

Network joined(Join join, Network first, Network second)
{
    Network network {-1, join, {}};
    for (Network *side : {&first, &second}) {
        if (!side->isPart() && side->join == join) {
            for (Network &branch : side->branches)
                network.branches.push_back(std::move(branch));
        } else {
            network.branches.push_back(std::move(*side));
        }
    }
    std::sort(network.branches.begin(), network.branches.end(),
        [join](const Network &a, const Network &b) { return before(a, b, join); });
    return network;
}

double ohmsOf(const Network &network, std::span<const double> stock)
{
    if (network.isPart())
        return stock[std::size_t(network.part)];
    double sum = 0;
    for (const Network &branch : network.branches) {
        const double value = ohmsOf(branch, stock);
        sum += network.join == Join::Series ? value : 1 / value;
    }
    return network.join == Join::Series ? sum : 1 / sum;
}

} // namespace combination
