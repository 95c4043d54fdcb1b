// The band mappings over any double, NaN and infinities included: a digit colour only for the
// whole numbers 0 to 9, and a multiplier text only where it reads back as a number.
#include "colourcode/bandcolours.h"
#include "formsvalues/numbers.h"

#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    double value = 0;
    if (size < sizeof value)
        return 0;
    std::memcpy(&value, data, sizeof value);
    const QLocale locale(QLocale::Russian, QLocale::Russia);

    if (const auto digit = colourcode::DigitColor(value)) {
        if (!(value >= 0 && value <= 9 && std::floor(value) == value))
            std::abort();
    }
    if (const auto band = colourcode::MultiplierColor(value, locale)) {
        if (!band->text.isEmpty()) {
            const auto written = forms::TextToDouble(band->text, locale);
            // The rewritten field maps to the same colour again and stays as it is.
            const auto again
                = written ? colourcode::MultiplierColor(*written, locale) : std::nullopt;
            if (!again || again->colour != band->colour || again->text != band->text)
                std::abort();
        }
    } else if (value == 1 || value >= 9) {
        std::abort();
    }
    return 0;
}
