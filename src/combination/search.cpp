#include "combination/search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

namespace combination {

namespace {

constexpr double Unbounded = std::numeric_limits<double>::infinity();

bool cancelled(const Cancel *cancel)
{
    return cancel && cancel->load(std::memory_order_relaxed);
}

double combined(Join join, double a, double b)
{
    return join == Join::Series ? a + b : a * b / (a + b);
}

// The value the other branch would need for the two joined to come to the whole: below every
// value (−∞) or above every value (+∞) where none would do.
double complement(Join join, double whole, double branch)
{
    if (join == Join::Series)
        return whole - branch;
    if (!(whole > 0))
        return -Unbounded;
    const double conductance = 1 / whole - 1 / branch;
    return conductance > 0 ? 1 / conductance : Unbounded;
}

// One way of writing a network, to tell networks found twice apart from new ones.
void write(const Network &network, std::string &key)
{
    if (network.isPart()) {
        key += std::to_string(network.part);
        return;
    }
    key += network.join == Join::Series ? "S(" : "P(";
    for (const Network &branch : network.branches) {
        write(branch, key);
        key += ',';
    }
    key += ')';
}

// The best few of what was found, each kept once: what a search collects, and the error that a
// newcomer must not exceed to be kept.
template<typename Item>
class Kept
{
public:
    double bound() const
    {
        return m_items.size() < std::size_t(KeptPerCount) ? Unbounded : m_items.back().size;
    }
    // Whether an error of that size would be kept. One no smaller than the bound is not: of
    // networks equally near, those found first stay, so that where thousands of networks come
    // to the target exactly, the search does not write each of them down.
    bool near(double size) const { return size < bound(); }

    void offer(Item item, double size, std::string key)
    {
        const auto later = [&](const Held &held) {
            return held.size > size || (held.size == size && held.key > key);
        };
        if (m_items.size() >= std::size_t(KeptPerCount) && !later(m_items.back()))
            return;
        for (const Held &held : m_items) {
            if (held.key == key)
                return;
        }
        const auto place = std::find_if(m_items.begin(), m_items.end(), later);
        m_items.insert(place, Held {std::move(item), size, std::move(key)});
        if (m_items.size() > std::size_t(KeptPerCount))
            m_items.pop_back();
    }

    QList<Item> items() const
    {
        QList<Item> items;
        for (const Held &held : m_items)
            items.append(held.item);
        return items;
    }

private:
    struct Held
    {
        Item item;
        double size;
        std::string key;
    };
    std::vector<Held> m_items;
};

using Entries = std::vector<Tables::Entry>;

std::size_t lowerBound(const Entries &entries, double value)
{
    return std::size_t(std::lower_bound(entries.begin(), entries.end(), value,
                           [](const Tables::Entry &entry, double v) { return entry.ohms < v; })
        - entries.begin());
}

// Calls visit with each entry outward from where the ideal value would stand, on each side
// while visit says the entry was near enough: the value visit weighs grows with the entry's, so
// that once one is too far, every further one on that side is too.
template<typename Visit>
void walk(const Entries &entries, double ideal, Visit visit)
{
    const std::size_t middle = lowerBound(entries, ideal);
    for (std::size_t i = middle; i > 0 && visit(entries[i - 1]); --i) { }
    for (std::size_t i = middle; i < entries.size() && visit(entries[i]); ++i) { }
}

class NetworkSearch
{
public:
    NetworkSearch(const Tables &tables, double target)
        : m_tables(tables)
        , m_target(target)
    { }

    // Considers a network that the walk came to, its value worked out on the way; whether it
    // was near enough to go on walking.
    template<typename Make>
    bool consider(double value, Make make)
    {
        if (!m_kept.near(std::abs(value - m_target) / m_target))
            return false;
        Network network = make();
        const double exact = ohmsOf(network, m_tables.ohms);
        std::string key;
        write(network, key);
        const double error = (exact - m_target) / m_target;
        m_kept.offer(Found {std::move(network), exact, error}, std::abs(error), std::move(key));
        return true;
    }

    // The values a network must come to to be kept.
    double lowest() const { return m_target * (1 - m_kept.bound()); }
    double highest() const { return m_target * (1 + m_kept.bound()); }

    void ofOne(const Entries &entries)
    {
        walk(entries, m_target, [this](const Tables::Entry &entry) {
            return consider(entry.ohms, [&] { return m_tables.network(entry); });
        });
    }

    // A part joined to a pair.
    void ofThree(const Cancel *cancel)
    {
        for (const Join join : {Join::Series, Join::Parallel}) {
            for (const Tables::Entry &single : m_tables.singles) {
                if (cancelled(cancel))
                    return;
                if (join == Join::Series && single.ohms > highest())
                    break;
                if (join == Join::Parallel && single.ohms < lowest())
                    continue;
                const double a = single.ohms;
                walk(m_tables.pairs, complement(join, m_target, a), [&](const Tables::Entry &pair) {
                    return consider(combined(join, a, pair.ohms),
                        [&] { return joined(join, part(single.first), m_tables.network(pair)); });
                });
            }
        }
    }

    // A part joined to three parts joined the other way, or a pair to a pair.
    void ofFour(const Cancel *cancel)
    {
        for (const Join outer : {Join::Series, Join::Parallel}) {
            const Join inner = outer == Join::Series ? Join::Parallel : Join::Series;
            for (const Tables::Entry &first : m_tables.singles) {
                if (cancelled(cancel))
                    return;
                if (outer == Join::Series && first.ohms > highest())
                    break;
                if (outer == Join::Parallel && first.ohms < lowest())
                    continue;
                const double a = first.ohms;
                const double ideal = complement(outer, m_target, a);
                const double restLowest = complement(outer, lowest(), a);
                const double restHighest = complement(outer, highest(), a);
                for (const Tables::Entry &second : m_tables.singles) {
                    if (inner == Join::Series && second.ohms > restHighest)
                        break;
                    if (inner == Join::Parallel && second.ohms < restLowest)
                        continue;
                    const double b = second.ohms;
                    walk(m_tables.pairs, complement(inner, ideal, b),
                        [&](const Tables::Entry &pair) {
                            return consider(combined(outer, a, combined(inner, b, pair.ohms)), [&] {
                                return joined(outer, part(first.first),
                                    joined(inner, part(second.first), m_tables.network(pair)));
                            });
                        });
                }
            }
        }
        for (const Join join : {Join::Series, Join::Parallel}) {
            // The smaller pair of the two: in series at most half the whole, in parallel at
            // least the whole and at most twice it.
            for (const Tables::Entry &first : m_tables.pairs) {
                if (cancelled(cancel))
                    return;
                if (join == Join::Series && first.ohms > highest() / 2)
                    break;
                if (join == Join::Parallel && first.ohms < lowest())
                    continue;
                if (join == Join::Parallel && first.ohms > 2 * highest())
                    break;
                const double x = first.ohms;
                walk(m_tables.pairs, complement(join, m_target, x), [&](const Tables::Entry &pair) {
                    return consider(combined(join, x, pair.ohms), [&] {
                        return joined(join, m_tables.network(first), m_tables.network(pair));
                    });
                });
            }
        }
    }

    QList<Found> found() const { return m_kept.items(); }

private:
    const Tables &m_tables;
    double m_target;
    Kept<Found> m_kept;
};

} // namespace

Network Tables::network(const Entry &entry) const
{
    if (entry.second < 0)
        return part(entry.first);
    return joined(entry.join, part(entry.first), part(entry.second));
}

std::shared_ptr<const Tables> buildTables(const QList<Decimal> &values)
{
    auto tables = std::make_shared<Tables>();
    tables->values = values;
    const int count = int(values.size());
    for (const Decimal &value : values)
        tables->ohms.push_back(ohms(value));
    for (int i = 0; i < count; ++i)
        tables->singles.push_back({tables->ohms[std::size_t(i)], i, -1, Join::Series});
    tables->pairs.reserve(std::size_t(count) * std::size_t(count + 1));
    for (int i = 0; i < count; ++i) {
        const double a = tables->ohms[std::size_t(i)];
        for (int j = i; j < count; ++j) {
            const double b = tables->ohms[std::size_t(j)];
            tables->pairs.push_back({a + b, i, j, Join::Series});
            tables->pairs.push_back({a * b / (a + b), i, j, Join::Parallel});
        }
    }
    std::sort(tables->pairs.begin(), tables->pairs.end(),
        [](const Tables::Entry &x, const Tables::Entry &y) { return x.ohms < y.ohms; });
    return tables;
}

QList<Found> nearest(const Tables &tables, double target, int parts, const Cancel *cancel)
{
    if (!(target > 0) || tables.singles.empty())
        return {};
    NetworkSearch search(tables, target);
    switch (parts) {
    case 1:
        search.ofOne(tables.singles);
        break;
    case 2:
        search.ofOne(tables.pairs);
        break;
    case 3:
        search.ofThree(cancel);
        break;
    case 4:
        search.ofFour(cancel);
        break;
    default:
        return {};
    }
    return search.found();
}

QList<Divider> nearestDividers(const Tables &tables, double ratio, double lowestTotal,
    double highestTotal, int parts, const Cancel *cancel)
{
    if (!(ratio > 0 && ratio < 1) || parts < 2 || parts > MostParts || tables.singles.empty())
        return {};
    Kept<Divider> kept;
    const auto arm = [&tables](int count) -> const Entries & {
        return count == 1 ? tables.singles : tables.pairs;
    };
    for (int lowerParts = std::max(1, parts - 2); lowerParts <= std::min(2, parts - 1);
         ++lowerParts) {
        const Entries &uppers = arm(parts - lowerParts);
        for (const Tables::Entry &lower : arm(lowerParts)) {
            if (cancelled(cancel))
                break;
            const double r2 = lower.ohms;
            if (r2 >= highestTotal)
                break;
            const double fewest = r2 + uppers.front().ohms;
            if (fewest > highestTotal || ratio * (1 - kept.bound()) * lowestTotal > r2)
                continue;
            const double ideal
                = std::clamp(r2 * (1 - ratio) / ratio, lowestTotal - r2, highestTotal - r2);
            walk(uppers, ideal, [&](const Tables::Entry &upper) {
                const double r1 = upper.ohms;
                if (r1 + r2 < lowestTotal || r1 + r2 > highestTotal)
                    return false;
                const double got = r2 / (r1 + r2);
                if (!kept.near(std::abs(got - ratio) / ratio))
                    return false;
                Divider divider {tables.network(upper), tables.network(lower), 0, 0, 0, 0};
                divider.upperOhms = ohmsOf(divider.upper, tables.ohms);
                divider.lowerOhms = ohmsOf(divider.lower, tables.ohms);
                divider.ratio = divider.lowerOhms / (divider.upperOhms + divider.lowerOhms);
                divider.error = (divider.ratio - ratio) / ratio;
                const double size = std::abs(divider.error);
                std::string key;
                write(divider.upper, key);
                key += '|';
                write(divider.lower, key);
                kept.offer(std::move(divider), size, std::move(key));
                return true;
            });
        }
    }
    return kept.items();
}

} // namespace combination
