// The number grammar over any text: what it reads survives the changes that must not change a
// number, in both locales, and its two conversions agree.
#include "formsvalues/numbers.h"

#include <QLocale>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

const QLocale Russian(QLocale::Russian, QLocale::Russia);
const QLocale English(QLocale::English, QLocale::UnitedStates);

void expect(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the locale, the rest is the text.
    const QLocale &locale = data[0] & 1 ? English : Russian;
    const QLocale &other = data[0] & 1 ? Russian : English;
    const QString text = QString::fromUtf8(
        reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));

    const auto value = forms::TextToDouble(text, locale);
    const auto fixed = forms::FixedPoint::fromText(text, locale);
    // The fixed-point conversion reads nothing that the grammar does not, and everything it
    // does within its range.
    expect(!fixed || value);
    if (value && std::abs(*value) < 9e14)
        expect(fixed.has_value());
    if (fixed) {
        // Both read the same number, to the fixed point's last place.
        expect(std::abs(fixed->toDouble() - *value) <= 0.00005 + 1e-9 * std::abs(*value));
        const QString written = fixed->toText(locale);
        expect(forms::FixedPoint::fromText(written, locale) == fixed);
    }
    if (!value)
        return 0;
    expect(std::isfinite(*value));
    // Blanks after a number change nothing; a letter after it makes it no number.
    expect(forms::TextToDouble(text + u" \t"_s, locale) == value);
    expect(!forms::TextToDouble(text + u'x', locale));
    // Written out in full and read back, it is the same number.
    QString written = QString::number(*value, 'g', 17);
    written.replace(u'.', locale.decimalPoint());
    expect(forms::TextToDouble(written, locale) == value);
    // The same digits with the other locale's separator are the same number there, and that
    // separator is no number here.
    if (text.contains(locale.decimalPoint())) {
        QString swapped = text;
        swapped.replace(locale.decimalPoint(), other.decimalPoint());
        expect(forms::TextToDouble(swapped, other) == value);
        expect(!forms::TextToDouble(swapped, locale));
    }
    return 0;
}
