#include "formsvalues/numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

using namespace Qt::StringLiterals;

namespace forms {

namespace {

// A number text as the grammar reads it: sign × digits × 10^scale, the digits without leading
// or trailing zeros (none at all for zero).
struct ParsedNumber
{
    bool negative = false;
    std::string digits;
    std::int64_t scale = 0;
};

// Exponents beyond this make every value overflow or vanish anyway.
constexpr std::int64_t ExponentCap = 1'000'000'000;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

std::optional<ParsedNumber> parse(QStringView text, const QLocale &locale)
{
    const QString separator = locale.decimalPoint();
    const qsizetype end = text.size();
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < end && isBlank(text[i]))
            ++i;
    };
    const auto takeSign = [&] {
        const bool negative = i < end && text[i] == u'-';
        if (i < end && (text[i] == u'+' || text[i] == u'-'))
            ++i;
        return negative;
    };

    ParsedNumber number;
    skipBlanks();
    number.negative = takeSign();

    bool anyDigit = false;
    bool afterSeparator = false;
    std::int64_t fractionDigits = 0;
    for (;;) {
        if (i < end && isDigit(text[i])) {
            if (!number.digits.empty() || text[i] != u'0')
                number.digits.push_back(static_cast<char>(text[i].unicode()));
            fractionDigits += afterSeparator ? 1 : 0;
            anyDigit = true;
            ++i;
        } else if (!afterSeparator && !separator.isEmpty()
            && text.sliced(i).startsWith(separator)) {
            afterSeparator = true;
            i += separator.size();
        } else {
            break;
        }
    }
    if (!anyDigit)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (i < end && (text[i] == u'e' || text[i] == u'E')) {
        ++i;
        const bool negative = takeSign();
        const qsizetype first = i;
        for (; i < end && isDigit(text[i]); ++i)
            exponent = std::min(exponent * 10 + (text[i].unicode() - u'0'), ExponentCap);
        if (i == first)
            return std::nullopt;
        exponent = negative ? -exponent : exponent;
    }
    skipBlanks();
    if (i != end)
        return std::nullopt;

    number.scale = exponent - fractionDigits;
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
        ++number.scale;
    }
    return number;
}

std::optional<double> doubleOf(const ParsedNumber &number)
{
    if (number.digits.empty())
        return 0.0;
    // The power of ten of the leading digit decides overflow and underflow before any
    // conversion is tried.
    const std::int64_t magnitude
        = static_cast<std::int64_t>(number.digits.size()) - 1 + number.scale;
    if (magnitude > std::numeric_limits<double>::max_exponent10)
        return std::nullopt;
    if (magnitude < std::numeric_limits<double>::min_exponent10 - 20)
        return 0.0;
    const std::string text = number.digits + 'e' + std::to_string(number.scale);
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        return magnitude < 0 ? std::optional(0.0) : std::nullopt;
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return number.negative ? -value : value;
}

std::optional<FixedPoint> fixedPointOf(const ParsedNumber &number)
{
    // The count of ten-thousandths has this many digits before rounding.
    const std::int64_t kept
        = static_cast<std::int64_t>(number.digits.size()) + number.scale + FixedPoint::Places;
    if (number.digits.empty() || kept < 0)
        return FixedPoint();
    if (kept > 19)
        return std::nullopt;

    // 19 digits and a rounding step stay below 2^64.
    std::uint64_t count = 0;
    for (std::int64_t i = 0; i < kept; ++i) {
        const bool fromText = i < static_cast<std::int64_t>(number.digits.size());
        count = count * 10 + static_cast<std::uint64_t>(fromText ? number.digits[i] - '0' : 0);
    }
    if (kept < static_cast<std::int64_t>(number.digits.size())) {
        const int firstDropped = number.digits[kept] - '0';
        // The digits end in a non-zero one, so anything after the first dropped digit
        // makes the rest more than a half.
        const bool moreDropped = kept + 1 < static_cast<std::int64_t>(number.digits.size());
        if (firstDropped > 5 || (firstDropped == 5 && (moreDropped || count % 2 == 1)))
            ++count;
    }

    constexpr auto maximum = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (count > maximum + (number.negative ? 1 : 0))
        return std::nullopt;
    if (number.negative)
        return FixedPoint(static_cast<std::int64_t>(0 - count));
    return FixedPoint(static_cast<std::int64_t>(count));
}

} // namespace

bool IsNumeric(QStringView text, const QLocale &locale)
{
    return TextToDouble(text, locale).has_value();
}

std::optional<double> TextToDouble(QStringView text, const QLocale &locale)
{
    const auto number = parse(text, locale);
    return number ? doubleOf(*number) : std::nullopt;
}

std::optional<FixedPoint> FixedPoint::fromText(QStringView text, const QLocale &locale)
{
    const auto number = parse(text, locale);
    if (!number || !doubleOf(*number))
        return std::nullopt;
    return fixedPointOf(*number);
}

std::optional<FixedPoint> FixedPoint::fromDouble(double value)
{
    // The default rounding mode rounds half to even.
    const double count = std::nearbyint(value * static_cast<double>(Scale));
    constexpr double limit = 9223372036854775808.0; // 2^63
    if (!(count >= -limit && count < limit))
        return std::nullopt;
    return FixedPoint(static_cast<std::int64_t>(count));
}

std::optional<FixedPoint> FixedPoint::times(std::int16_t factor) const
{
    std::int64_t product = 0;
    if (__builtin_mul_overflow(m_count, static_cast<std::int64_t>(factor), &product))
        return std::nullopt;
    return FixedPoint(product);
}

double FixedPoint::toDouble() const
{
    return static_cast<double>(m_count) / static_cast<double>(Scale);
}

QString FixedPoint::toText(const QLocale &locale) const
{
    const bool negative = m_count < 0;
    const std::uint64_t magnitude
        = negative ? 0 - static_cast<std::uint64_t>(m_count) : static_cast<std::uint64_t>(m_count);
    QString text = negative ? u"-"_s : QString();
    text += QString::number(magnitude / Scale);
    if (const std::uint64_t fraction = magnitude % Scale) {
        QString digits = QString::number(fraction).rightJustified(4, u'0');
        while (digits.endsWith(u'0'))
            digits.chop(1);
        text += locale.decimalPoint() + digits;
    }
    return text;
}

} // namespace forms
