#include "bandcolours.h"

#include <array>
#include <limits>

using namespace Qt::StringLiterals;

namespace colourcode {

namespace {

constexpr double None = std::numeric_limits<double>::quiet_NaN(); // never equal to anything

} // namespace

std::optional<CodeColour> DigitColor(double value)
{
    static constexpr std::array digits {
        CodeColour::ColorBlack,
        CodeColour::ColorBrown,
        CodeColour::ColorRed,
        CodeColour::ColorOrange,
        CodeColour::ColorYellow,
        CodeColour::ColorGreen,
        CodeColour::ColorBlue,
        CodeColour::ColorViolet,
        CodeColour::ColorGrey,
        CodeColour::ColorWhite,
    };
    for (std::size_t digit = 0; digit < digits.size(); ++digit) {
        if (value == static_cast<double>(digit))
            return digits[digit];
    }
    return std::nullopt;
}

std::optional<MultiplierBand> MultiplierColor(double value, const QLocale &locale)
{
    struct Step
    {
        double multiplier;
        double power; // the short form; None where the step has none
        CodeColour colour;
        const char16_t *text;
    };
    // Tested in order: 10 is its own step before the catch-all of 9 or more.
    static constexpr Step steps[] = {
        {10, None, CodeColour::ColorBrown, u"10"},
        {100, 2, CodeColour::ColorRed, u"100"},
        {1000, 3, CodeColour::ColorOrange, u"1000"},
        {10000, 4, CodeColour::ColorYellow, u"10000"},
        {100000, 5, CodeColour::ColorGreen, u"100000"},
        {1000000, 6, CodeColour::ColorBlue, u"1000000"},
        {10000000, 7, CodeColour::ColorViolet, u"10000000"},
        {100000000, 8, CodeColour::ColorGrey, u"100000000"},
    };
    if (value == 1)
        return MultiplierBand {CodeColour::ColorBlack, QString()};
    for (const Step &step : steps) {
        if (value == step.multiplier || value == step.power)
            return MultiplierBand {step.colour, QString::fromUtf16(step.text)};
    }
    if (value >= 9)
        return MultiplierBand {CodeColour::ColorWhite, u"1000000000"_s};
    if (value == 0.1)
        return MultiplierBand {CodeColour::ColorGold, u'0' + locale.decimalPoint() + u'1'};
    if (value == 0.01)
        return MultiplierBand {CodeColour::ColorSilver, u'0' + locale.decimalPoint() + u"01"_s};
    return std::nullopt;
}

std::optional<CodeColour> ToleranceColor(int selectedOption)
{
    // Option1 to Option9: 1%, 2%, 5%, 10%, 0.5%, 0.25%, 0.1%, 0.05%, 20%. The 20% band takes
    // the body colour, so the resistor shows no fourth band.
    static constexpr std::array options {
        CodeColour::ColorBrown,
        CodeColour::ColorRed,
        CodeColour::ColorGold,
        CodeColour::ColorSilver,
        CodeColour::ColorGreen,
        CodeColour::ColorBlue,
        CodeColour::ColorViolet,
        CodeColour::ColorGrey,
        CodeColour::ColorBody,
    };
    if (selectedOption < 1 || selectedOption > static_cast<int>(options.size()))
        return std::nullopt;
    return options[static_cast<std::size_t>(selectedOption - 1)];
}

} // namespace colourcode
