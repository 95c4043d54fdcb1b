// A list of values typed any way, and a divider's ratio: never a crash; the networks found are of
// the count asked, come to what they are said to, stand nearest first, and a value of the list
// asked of one part is found exactly; a divider keeps to its total.
#include "combination/owned.h"
#include "combination/search.h"
#include "combination/texts.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace combination;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    if (const auto divider = parseDividerTarget(text, locale)) {
        if (!(divider->ratio > 0 && divider->ratio < 1))
            std::abort();
    }
    const OwnedValues owned = parseOwned(text, locale);
    if (owned.values.isEmpty() || owned.values.size() > 16)
        return 0;
    const auto tables = buildTables(owned.values);
    const double first = ohms(owned.values.first());
    if (nearest(*tables, first, 1).value(0).error != 0)
        std::abort();
    for (int parts = 1; parts <= MostParts; ++parts) {
        double before = 0;
        for (const Found &found : nearest(*tables, first * 1.37, parts)) {
            const double exact = ohmsOf(found.network, tables->ohms);
            if (found.network.partCount() != parts || std::abs(exact - found.ohms) > 1e-9 * exact
                || std::abs(found.error) < before
                || networkText(found.network, tables->values, locale).isEmpty())
                std::abort();
            before = std::abs(found.error);
        }
    }
    const double highest = 4 * ohms(owned.values.last());
    for (const Divider &found : nearestDividers(*tables, 0.5, first, highest, 3)) {
        const double total = found.upperOhms + found.lowerOhms;
        if (total < first || total > highest)
            std::abort();
    }
    return 0;
}
