#include "colourcode/nominal.h"

#include "colourcode/multipliers.h"
#include "formsvalues/numbers.h"

using namespace Qt::StringLiterals;

namespace colourcode {

namespace {

std::optional<forms::FixedPoint> scaled(forms::FixedPoint b, Scale scale)
{
    switch (scale) {
    case Scale::One:
        return b;
    case Scale::Ten:
        return b.times(10);
    case Scale::Tenth:
        return forms::FixedPoint::fromDouble(b.toDouble() * 0.1);
    case Scale::Hundredth:
        return forms::FixedPoint::fromDouble(b.toDouble() * 0.01);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> ComputeNominal(
    QStringView first, QStringView second, QStringView multiplier, const QLocale &locale)
{
    if (first.isEmpty() || second.isEmpty() || multiplier.isEmpty())
        return NoData;
    const auto b = forms::FixedPoint::fromText(first.toString() + second.toString(), locale);
    const auto m = forms::TextToDouble(multiplier, locale);
    if (!b || !m)
        return std::nullopt;
    const MultiplierStep *step = ReadoutStep(*m);
    if (!step)
        return std::nullopt;
    const auto shown = scaled(*b, step->scale);
    if (!shown)
        return std::nullopt;
    return shown->toText(locale) + u' ' + QString::fromUtf16(step->unit);
}

} // namespace colourcode
