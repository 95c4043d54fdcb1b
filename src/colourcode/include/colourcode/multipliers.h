#pragma once

#include "colourcode/colourtable.h"

#include <array>

namespace colourcode {

// How the readout scales the two digits for a multiplier step: shown as they are, ten times
// them, or a tenth or a hundredth of them.
enum class Scale { One, Ten, Tenth, Hundredth };

// One step of the multiplier, ×0.01 to ×1000000000, with all that the readout and the band
// colouring make of it.
struct MultiplierStep
{
    double multiplier;
    // The power of ten: the multiplier is 10 to this power.
    int power;
    // The band's colour.
    CodeColour colour;
    // What the colouring writes into the field for it, the point standing for the locale's
    // decimal separator; empty where the field keeps what was typed.
    const char16_t *text;
    // The readout: the digits so scaled, in this unit.
    Scale scale;
    const char16_t *unit;
};

// The twelve steps, in the order in which both readings test them.
inline constexpr std::array<MultiplierStep, 12> MultiplierSteps {{
    {1, 0, CodeColour::ColorBlack, u"", Scale::One, u"Ом"},
    {10, 1, CodeColour::ColorBrown, u"10", Scale::Ten, u"Ом"},
    {100, 2, CodeColour::ColorRed, u"100", Scale::Tenth, u"КОм"},
    {1000, 3, CodeColour::ColorOrange, u"1000", Scale::One, u"КОм"},
    {10000, 4, CodeColour::ColorYellow, u"10000", Scale::Ten, u"КОм"},
    {100000, 5, CodeColour::ColorGreen, u"100000", Scale::Tenth, u"МОм"},
    {1000000, 6, CodeColour::ColorBlue, u"1000000", Scale::One, u"МОм"},
    {10000000, 7, CodeColour::ColorViolet, u"10000000", Scale::Ten, u"МОм"},
    {100000000, 8, CodeColour::ColorGrey, u"100000000", Scale::Tenth, u"ГОм"},
    {1000000000, 9, CodeColour::ColorWhite, u"1000000000", Scale::One, u"ГОм"},
    {0.1, -1, CodeColour::ColorGold, u"0.1", Scale::Tenth, u"Ом"},
    {0.01, -2, CodeColour::ColorSilver, u"0.01", Scale::Hundredth, u"Ом"},
}};

// The two readings of a value typed as the multiplier differ in their short forms, by one power
// of ten; none where the value names no step.
//
// The readout: a short form n from 2 to 9 stands for 10 to the power n − 1; any other value of
// 10 or more stands for the last step.
const MultiplierStep *ReadoutStep(double value);
// The colouring: a short form n from 2 to 8 stands for 10 to the power n (1 is the multiplier 1,
// never a power); any other value of 9 or more stands for the last step.
const MultiplierStep *ColouringStep(double value);

} // namespace colourcode
