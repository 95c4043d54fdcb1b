// The number grammar: the numeric test and every conversion from text agree on every input,
// and a fixed-point value written back as text reads back the same.
#include "forms/numbers.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the locale, the rest is the text.
    const QLocale locale = data[0] & 1 ? QLocale(QLocale::English, QLocale::UnitedStates)
                                       : QLocale(QLocale::Russian, QLocale::Russia);
    const QString text = QString::fromUtf8(
        reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    const bool numeric = forms::IsNumeric(text, locale);
    const auto value = forms::TextToDouble(text, locale);
    const auto fixed = forms::Currency::fromText(text, locale);
    if (numeric != value.has_value() || (fixed && !numeric))
        std::abort();
    if (value && !std::isfinite(*value))
        std::abort();
    if (numeric && std::abs(*value) < 9e14 && !fixed)
        std::abort();
    if (fixed) {
        const QString written = fixed->toText(locale);
        if (forms::Currency::fromText(written, locale) != fixed
            || !forms::IsNumeric(written, locale))
            std::abort();
    }
    return 0;
}
