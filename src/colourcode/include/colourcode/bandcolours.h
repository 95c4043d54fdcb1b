#pragma once

#include "colourcode/colourtable.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace colourcode {

// The colour of a digit band: 0 to 9 give black to white; any other value, none.
std::optional<CodeColour> DigitColor(double value);

struct MultiplierBand
{
    CodeColour colour;
    // The full multiplier to write into the field; empty where the field keeps its text.
    QString text;
};

// The colour of the multiplier band, and the full multiplier that a short form stands for:
// 2 to 8 are powers of ten (2 for 100), and any value of 9 or more that is no listed
// multiplier stands for 1000000000. The value 1 is the multiplier 1, never a power.
std::optional<MultiplierBand> MultiplierColor(double value, const QLocale &locale = QLocale());

// The colour of the tolerance band for the first selected of Option1 to Option9 (1 to 9), or
// for none selected (0).
std::optional<CodeColour> ToleranceColor(int selectedOption);

} // namespace colourcode
