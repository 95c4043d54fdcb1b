#include "nominal.h"

#include "forms/numbers.h"

#include <limits>

using namespace Qt::StringLiterals;

namespace colourcode {

namespace {

enum class Scale { One, Ten, Tenth, Hundredth };

struct Row
{
    double multiplier;
    double shortForm; // 10 to the power shortForm - 1; NaN where the row has none
    bool orAtLeastTen; // the catch-all of the last power
    Scale scale;
    const char16_t *unit;
};

constexpr double None = std::numeric_limits<double>::quiet_NaN(); // never equal to anything

// Tested in order; the first row that holds decides.
constexpr Row Rows[] = {
    {1, None, false, Scale::One, u"Ом"},
    {10, 2, false, Scale::Ten, u"Ом"},
    {100, 3, false, Scale::Tenth, u"КОм"},
    {1000, 4, false, Scale::One, u"КОм"},
    {10000, 5, false, Scale::Ten, u"КОм"},
    {100000, 6, false, Scale::Tenth, u"МОм"},
    {1000000, 7, false, Scale::One, u"МОм"},
    {10000000, 8, false, Scale::Ten, u"МОм"},
    {100000000, 9, false, Scale::Tenth, u"ГОм"},
    {1000000000, None, true, Scale::One, u"ГОм"},
    {0.1, None, false, Scale::Tenth, u"Ом"},
    {0.01, None, false, Scale::Hundredth, u"Ом"},
};

const Row *rowFor(double m)
{
    for (const Row &row : Rows) {
        if (m == row.multiplier || m == row.shortForm || (row.orAtLeastTen && m >= 10))
            return &row;
    }
    return nullptr;
}

std::optional<forms::Currency> scaled(forms::Currency b, Scale scale)
{
    switch (scale) {
    case Scale::One:
        return b;
    case Scale::Ten:
        return b.times(10);
    case Scale::Tenth:
        return forms::Currency::fromDouble(b.toDouble() * 0.1);
    case Scale::Hundredth:
        return forms::Currency::fromDouble(b.toDouble() * 0.01);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ComputeNominal(
    QStringView first, QStringView second, QStringView multiplier, const QLocale &locale)
{
    if (first.isEmpty() || second.isEmpty() || multiplier.isEmpty())
        return NoData;
    const auto b = forms::Currency::fromText(first.toString() + second.toString(), locale);
    const auto m = forms::TextToDouble(multiplier, locale);
    if (!b || !m)
        return std::nullopt;
    const Row *row = rowFor(*m);
    if (!row)
        return std::nullopt;
    const auto shown = scaled(*b, row->scale);
    if (!shown)
        return std::nullopt;
    return shown->toText(locale) + u' ' + QString::fromUtf16(row->unit);
}

} // namespace colourcode
