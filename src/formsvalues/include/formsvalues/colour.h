#pragma once

#include <cstdint>

namespace forms {

// A colour value: red in the low byte, then green, then blue (0x00BBGGRR). A value with the
// top bit set names a system colour role in its low byte instead.
using ColourValue = std::uint32_t;

constexpr ColourValue rgb(int red, int green, int blue)
{
    return static_cast<ColourValue>(red & 0xFF) | static_cast<ColourValue>(green & 0xFF) << 8
        | static_cast<ColourValue>(blue & 0xFF) << 16;
}

// The top bit that marks a system colour role.
inline constexpr ColourValue SystemRole = 0x80000000u;

constexpr ColourValue systemColour(int role)
{
    return SystemRole | static_cast<ColourValue>(role & 0xFF);
}

// The roles the forms use.
inline constexpr ColourValue Desktop = systemColour(1);
inline constexpr ColourValue ActiveTitleBar = systemColour(2);
inline constexpr ColourValue WindowText = systemColour(8);
inline constexpr ColourValue InactiveBorder = systemColour(11);

} // namespace forms
