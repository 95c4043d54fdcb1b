#pragma once

#include "forms/colour.h"

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

inline constexpr std::size_t CodeColourCount = 12;

// The twelve code colours, in the order of the rows above. Silver is the pale blue-tinted
// one, not grey.
inline constexpr std::array<forms::ColourValue, CodeColourCount> CodeColourValues {
    forms::rgb(214, 243, 248),
    forms::rgb(221, 193, 2),
    forms::rgb(0, 0, 0),
    forms::rgb(128, 64, 0),
    forms::rgb(255, 0, 0),
    forms::rgb(255, 128, 0),
    forms::rgb(255, 255, 0),
    forms::rgb(0, 128, 0),
    forms::rgb(0, 0, 255),
    forms::rgb(128, 0, 255),
    forms::rgb(221, 221, 221),
    forms::rgb(255, 255, 255),
};

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
