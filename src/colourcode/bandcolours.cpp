#include "colourcode/bandcolours.h"

#include "colourcode/multipliers.h"

#include <array>

namespace colourcode {

std::optional<CodeColour> DigitColor(double value)
{
    // A digit's colour is the colour of the multiplier that is ten to its power.
    for (const MultiplierStep &step : MultiplierSteps) {
        if (step.power >= 0 && value == step.power)
            return step.colour;
    }
    return std::nullopt;
}

std::optional<MultiplierBand> MultiplierColor(double value, const QLocale &locale)
{
    const MultiplierStep *step = ColouringStep(value);
    if (!step)
        return std::nullopt;
    return MultiplierBand {
        step->colour, QString::fromUtf16(step->text).replace(u'.', locale.decimalPoint())};
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
