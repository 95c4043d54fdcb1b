#include "combination/texts.h"

#include <QRegularExpression>

#include <cmath>

using namespace Qt::StringLiterals;

namespace combination {

namespace {

// The value rounded to so many significant figures, as an exact decimal.
Decimal rounded(double value, int figures)
{
    const int exponent = int(std::floor(std::log10(value))) - (figures - 1);
    const auto digits = std::llround(value / std::pow(10.0, exponent));
    return partcode::normalised({digits, exponent});
}

QString numberText(double value, int figures, const QLocale &locale)
{
    const Decimal exact = rounded(value, figures);
    const int places = std::max(0, -exact.exponent);
    return locale.toString(double(exact.digits) * std::pow(10.0, exact.exponent), 'f', places)
        .remove(locale.groupSeparator());
}

QString branchText(const Network &branch, const QList<Decimal> &values, const QLocale &locale)
{
    const QString text = networkText(branch, values, locale);
    return branch.isPart() ? text : u'(' + text + u')';
}

} // namespace

QString valueText(double ohms, int figures, const QLocale &locale)
{
    if (!(ohms > 0) || !std::isfinite(ohms))
        return {};
    return partcode::nominalText(rounded(ohms, figures), locale);
}

QString networkText(const Network &network, const QList<Decimal> &values, const QLocale &locale)
{
    if (network.isPart())
        return partcode::nominalText(values.value(network.part), locale);
    QStringList branches;
    for (const Network &branch : network.branches)
        branches.append(branchText(branch, values, locale));
    return branches.join(network.join == Join::Series ? u" + "_s : u" ∥ "_s);
}

QString errorText(double error, const QLocale &locale)
{
    if (error == 0)
        return u"точно"_s;
    const double percent = std::abs(error) * 100;
    const int places = std::max(1, 1 - int(std::floor(std::log10(percent))));
    const QString figures = locale.toString(percent, 'f', places);
    return (error < 0 ? u"−"_s : u"+"_s) + figures + u" %"_s;
}

QString partsCaption(int parts)
{
    switch (parts) {
    case 1:
        return u"1 резистор"_s;
    case 2:
    case 3:
    case 4:
        return QString::number(parts) + u" резистора"_s;
    default:
        return QString::number(parts) + u" резисторов"_s;
    }
}

QString foundText(const Found &found, const QList<Decimal> &values, double target,
    Tolerance tolerance, const QLocale &locale)
{
    const double spread = tolerance / 10000.0;
    const double low = found.ohms * (1 - spread);
    const double high = found.ohms * (1 + spread);
    QString text = networkText(found.network, values, locale);
    if (found.network.partCount() > 1)
        text += u" = "_s + valueText(found.ohms, 5, locale);
    text += u", "_s + errorText(found.error, locale) + u"; "_s
        + partcode::toleranceText(tolerance, locale) + u": от "_s + valueText(low, 4, locale)
        + u" до "_s + valueText(high, 4, locale);
    if (low <= target && target <= high)
        text += u", нужный номинал в допуске"_s;
    return text;
}

std::optional<DividerTarget> parseDividerTarget(QStringView text, const QLocale &locale)
{
    static const QRegularExpression volts(u"\\s*[ВвVv]\\s*$"_s);
    const auto number = [&locale](QString part) -> std::optional<double> {
        part = part.trimmed().remove(volts).trimmed().replace(u'.', locale.decimalPoint());
        bool ok = false;
        const double value = locale.toDouble(part, &ok);
        if (!ok || !std::isfinite(value) || !(value > 0))
            return std::nullopt;
        return value;
    };
    const QStringList parts = text.toString().split(u'/');
    if (parts.size() == 1) {
        const auto ratio = number(parts[0]);
        if (!ratio || *ratio >= 1)
            return std::nullopt;
        return DividerTarget {*ratio, std::nullopt};
    }
    if (parts.size() != 2)
        return std::nullopt;
    const auto output = number(parts[0]);
    const auto input = number(parts[1]);
    if (!output || !input || *output >= *input)
        return std::nullopt;
    return DividerTarget {*output / *input, *input};
}

QString dividerText(const Divider &divider, const QList<Decimal> &values,
    const DividerTarget &target, Tolerance tolerance, const QLocale &locale)
{
    const double spread = tolerance / 10000.0;
    const auto ratioOf = [](double upper, double lower) { return lower / (upper + lower); };
    const double low = ratioOf(divider.upperOhms * (1 + spread), divider.lowerOhms * (1 - spread));
    const double high = ratioOf(divider.upperOhms * (1 - spread), divider.lowerOhms * (1 + spread));
    QString text = u"R1 = "_s + networkText(divider.upper, values, locale) + u", R2 = "_s
        + networkText(divider.lower, values, locale) + u": Uвых/Uвх = "_s
        + numberText(divider.ratio, 5, locale) + u", "_s + errorText(divider.error, locale);
    text += u"; "_s + partcode::toleranceText(tolerance, locale) + u": от "_s
        + numberText(low, 4, locale) + u" до "_s + numberText(high, 4, locale);
    if (target.input) {
        const double input = *target.input;
        text += u", Uвых от "_s + numberText(low * input, 4, locale) + u" до "_s
            + numberText(high * input, 4, locale) + u" В"_s;
    }
    if (low <= target.ratio && target.ratio <= high)
        text += u", нужное отношение в допуске"_s;
    return text;
}

} // namespace combination
