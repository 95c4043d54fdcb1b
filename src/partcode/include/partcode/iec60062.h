#pragma once

#include <array>
#include <optional>

// IEC 60062:2016 (edition 6.0), Marking codes for resistors and capacitors: the colour code of
// a leaded resistor and the letter codes of its value and tolerance, as tables.
namespace iec60062 {

// The code colours, in the order of the standard's table of them.
enum class Colour {
    Pink,
    Silver,
    Gold,
    Black,
    Brown,
    Red,
    Orange,
    Yellow,
    Green,
    Blue,
    Violet,
    Grey,
    White
};

// A tolerance in hundredths of a per cent: ±1 % is 100, ±0,05 % is 5.
using Tolerance = int;

// What a code colour means in each place of a band. Clause 3.2, Prescription of code colours:
// a significant figure, a multiplier (the power of ten), a tolerance with its letter;
// clause 3.4, Methods for TCR marking: a temperature coefficient in 10⁻⁶/K with its letter.
struct ColourMeaning
{
    Colour colour;
    std::optional<int> figure;
    std::optional<int> multiplier;
    std::optional<Tolerance> tolerance;
    std::optional<int> temperatureCoefficient;
};

inline constexpr std::array<ColourMeaning, 13> Colours {{
    {Colour::Pink, {}, -3, {}, {}},
    {Colour::Silver, {}, -2, 1000, {}},
    {Colour::Gold, {}, -1, 500, {}},
    {Colour::Black, 0, 0, {}, 250},
    {Colour::Brown, 1, 1, 100, 100},
    {Colour::Red, 2, 2, 200, 50},
    {Colour::Orange, 3, 3, 5, 15},
    {Colour::Yellow, 4, 4, 2, 25},
    {Colour::Green, 5, 5, 50, 20},
    {Colour::Blue, 6, 6, 25, 10},
    {Colour::Violet, 7, 7, 10, 5},
    {Colour::Grey, 8, 8, 1, 1},
    {Colour::White, 9, 9, {}, {}},
}};

inline constexpr const ColourMeaning &meaning(Colour colour)
{
    return Colours[static_cast<int>(colour)];
}

// Clause 3.3, Methods for marking resistance value and tolerance: a part without a tolerance
// band is one of ±20 %.
inline constexpr Tolerance WithoutBand = 2000;

// Meanings that earlier editions and many makers' tables give a colour, told beside the current
// one: grey was ±0,05 % before this edition gave that tolerance to orange.
struct EarlierMeaning
{
    Colour colour;
    Tolerance tolerance;
};
inline constexpr std::array<EarlierMeaning, 1> EarlierTolerances {{{Colour::Grey, 5}}};

// Clause 5, the letter code of tolerances: the letter written after a value ("4K7J").
struct ToleranceLetter
{
    Tolerance tolerance;
    char16_t letter;
};
inline constexpr std::array<ToleranceLetter, 11> ToleranceLetters {{
    {1, u'L'},
    {2, u'P'},
    {5, u'W'},
    {10, u'B'},
    {25, u'C'},
    {50, u'D'},
    {100, u'F'},
    {200, u'G'},
    {500, u'J'},
    {1000, u'K'},
    {2000, u'M'},
}};

// Clause 4, the letter code of resistance values: the letter of the unit's power of ten stands
// where the decimal sign would ("4K7", "R47", "10K0").
struct ValueLetter
{
    int power;
    char16_t letter;
};
inline constexpr std::array<ValueLetter, 5> ValueLetters {{
    {0, u'R'},
    {3, u'K'},
    {6, u'M'},
    {9, u'G'},
    {12, u'T'},
}};

} // namespace iec60062
