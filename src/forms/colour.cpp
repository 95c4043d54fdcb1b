#include "colour.h"

namespace forms {

namespace {

QColor systemRoleColour(int role)
{
    switch (role) {
    case 1: // desktop
        return {58, 110, 165};
    case 2: // active title bar
        return {10, 36, 106};
    case 11: // inactive window border
        return {212, 208, 200};
    default: // window text, and any role the windows never name
        return {0, 0, 0};
    }
}

} // namespace

QColor toQColor(ColourValue value)
{
    if (value & 0x80000000u)
        return systemRoleColour(static_cast<int>(value & 0xFF));
    return {static_cast<int>(value & 0xFF), static_cast<int>(value >> 8 & 0xFF),
        static_cast<int>(value >> 16 & 0xFF)};
}

} // namespace forms
