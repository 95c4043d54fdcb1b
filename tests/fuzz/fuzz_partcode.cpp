// A nominal written any way: never a crash, and whatever reads as a nominal and goes onto bands
// reads back from them as the same nominal, in the same words.
#include "partcode/reading.h"

#include <QLocale>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const auto nominal = partcode::parseNominal(text, locale);
    if (!nominal)
        return 0;
    const QString words = partcode::nominalText(*nominal, locale);
    for (const int count : {1, 3, 4, 5, 6}) {
        const auto bands = partcode::bandsOf(*nominal, count, count == 3 ? 2000 : 100, 50).value;
        if (!bands)
            continue;
        const auto reading = partcode::read(*bands);
        if (!reading || partcode::nominalText(reading->nominal(), locale) != words
            || partcode::letterCode(*reading).isEmpty())
            std::abort();
    }
    return 0;
}
