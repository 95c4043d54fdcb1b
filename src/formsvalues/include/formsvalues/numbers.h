#pragma once

#include <QLocale>
#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Number texts. One grammar serves the numeric test and every conversion from text, so the
// test accepts exactly the texts that the conversions read:
//
//   blanks? sign? digits-with-one-separator exponent? blanks?
//
// where the digits are ASCII and at least one; the separator is the locale's decimal
// separator, at most once, and may lead (",5") or end ("0,") the digits; the exponent is e or
// E, an optional sign and one or more digits; blanks are spaces and tabs. Nothing else is a
// number: no digit grouping, currency signs, hexadecimal, parentheses, digits of other
// scripts, nor another locale's separator. A text whose value overflows a double is not
// numeric.
namespace forms {

bool IsNumeric(QStringView text, const QLocale &locale = QLocale());

// The double nearest to the text's value; none where the text is not numeric.
std::optional<double> TextToDouble(QStringView text, const QLocale &locale = QLocale());

// A fixed-point decimal with four places: a signed 64-bit count of ten-thousandths. Every
// conversion rounds half to even to the nearest ten-thousandth and reports a value outside the
// range instead of wrapping.
class FixedPoint
{
public:
    static constexpr int Places = 4;
    static constexpr std::int64_t Scale = [] {
        std::int64_t scale = 1;
        for (int place = 0; place < Places; ++place)
            scale *= 10;
        return scale;
    }();

    constexpr FixedPoint() = default;
    constexpr explicit FixedPoint(std::int64_t tenThousandths)
        : m_count(tenThousandths)
    { }

    static std::optional<FixedPoint> fromText(QStringView text, const QLocale &locale = QLocale());
    static std::optional<FixedPoint> fromDouble(double value);

    // The exact product; none where it leaves the range.
    std::optional<FixedPoint> times(std::int16_t factor) const;
    double toDouble() const;
    // Plain digits, at least one before the separator; the separator and the fraction without
    // trailing zeros only where the fraction is not zero. The sign is always ASCII, as the
    // grammar reads it.
    QString toText(const QLocale &locale = QLocale()) const;

    constexpr std::int64_t tenThousandths() const { return m_count; }
    friend constexpr bool operator==(FixedPoint, FixedPoint) = default;

private:
    std::int64_t m_count = 0;
};

} // namespace forms
