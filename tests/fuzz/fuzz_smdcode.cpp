// A marking typed any way: never a crash, never an empty answer, and every marking written for a
// nominal it reads as reads back as that nominal.
#include "partcode/reading.h"
#include "smdcode/marking.h"

#include <QLocale>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QLocale locale(QLocale::Russian, QLocale::Russia);
    const QString text
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    for (const bool underlined : {false, true}) {
        if (smdcode::answer(text, underlined, locale).lines.join(QString()).isEmpty())
            std::abort();
        const auto decoded = smdcode::decode(text, underlined, locale);
        if (!decoded.value)
            continue;
        for (const smdcode::Decoding &reading : *decoded.value) {
            const QString words = partcode::nominalText(reading.nominal, locale);
            for (const smdcode::Marking &marking :
                smdcode::encode(reading.nominal, locale).markings) {
                const auto back = smdcode::decode(marking.code, marking.underlined, locale).value;
                if (!back
                    || std::none_of(
                        back->begin(), back->end(), [&](const smdcode::Decoding &again) {
                            return partcode::nominalText(again.nominal, locale) == words;
                        }))
                    std::abort();
            }
        }
    }
    return 0;
}
