#pragma once

#include "formsvalues/colour.h"

#include <QStringView>

#include <array>
#include <cstddef>

namespace colourcode {

// The rows of the colour table: the twelve code colours, then the body colour, the colour of
// a band that carries none.
enum class CodeColour {
    ColorSilver,
    ColorGold,
    ColorBlack,
    ColorBrown,
    ColorRed,
    ColorOrange,
    ColorYellow,
    ColorGreen,
    ColorBlue,
    ColorViolet,
    ColorGrey,
    ColorWhite,
    ColorBody,
};

// One code colour: its value, and its name in the legend's own words.
struct CodeColourRow
{
    CodeColour colour;
    forms::ColourValue value;
    QStringView name;
};

// The twelve code colours, in the order of the rows above. Silver is the pale blue-tinted
// one, not grey.
inline constexpr std::array<CodeColourRow, 12> CodeColours {{
    {CodeColour::ColorSilver, forms::rgb(214, 243, 248), u"Серебряный"},
    {CodeColour::ColorGold, forms::rgb(221, 193, 2), u"Золотой"},
    {CodeColour::ColorBlack, forms::rgb(0, 0, 0), u"Черный"},
    {CodeColour::ColorBrown, forms::rgb(128, 64, 0), u"Коричневый"},
    {CodeColour::ColorRed, forms::rgb(255, 0, 0), u"Красный"},
    {CodeColour::ColorOrange, forms::rgb(255, 128, 0), u"Оранжевый"},
    {CodeColour::ColorYellow, forms::rgb(255, 255, 0), u"Желтый"},
    {CodeColour::ColorGreen, forms::rgb(0, 128, 0), u"Зеленый"},
    {CodeColour::ColorBlue, forms::rgb(0, 0, 255), u"Синий"},
    {CodeColour::ColorViolet, forms::rgb(128, 0, 255), u"Фиолетовый"},
    {CodeColour::ColorGrey, forms::rgb(221, 221, 221), u"Серый"},
    {CodeColour::ColorWhite, forms::rgb(255, 255, 255), u"Белый"},
}};

inline constexpr std::size_t CodeColourCount = CodeColours.size();

// The colour of a drawn resistor's body, which a band without a colour shows.
inline constexpr forms::ColourValue BodyColour = forms::rgb(255, 192, 128);

static_assert(
    [] {
        for (std::size_t row = 0; row < CodeColourCount; ++row) {
            if (CodeColours[row].colour != static_cast<CodeColour>(row))
                return false;
        }
        return true;
    }(),
    "the code colours stand in the order of the colour table's rows");

// The thirteen colour values of the main window, one per row.
class ColourTable
{
public:
    forms::ColourValue operator[](CodeColour row) const
    {
        return m_values[static_cast<std::size_t>(row)];
    }
    forms::ColourValue &operator[](CodeColour row)
    {
        return m_values[static_cast<std::size_t>(row)];
    }

    // The first row that holds a colour value; the body colour's row where none does.
    CodeColour rowOf(forms::ColourValue value) const
    {
        for (std::size_t row = 0; row < m_values.size(); ++row) {
            if (m_values[row] == value)
                return static_cast<CodeColour>(row);
        }
        return CodeColour::ColorBody;
    }

private:
    std::array<forms::ColourValue, CodeColourCount + 1> m_values {};
};

} // namespace colourcode
