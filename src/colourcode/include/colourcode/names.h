#pragma once

#include "colourcode/colourtable.h"

#include <QString>

#include <array>

namespace colourcode {

// A colour's name in the legend's own words; the body colour's says that a band carries no
// colour, naming none of the code colours.
QString ColourName(CodeColour colour);

// What a band of the drawn resistor says of itself: which band it is (1 to 4) and its colour,
// "Полоса 1, первая цифра: Желтый".
QString BandName(int band, CodeColour colour);

// The whole answer in one line, the four bands in order: "Резистор: Желтый, Фиолетовый, ...".
QString ResistorName(const std::array<CodeColour, 4> &bands);

} // namespace colourcode
