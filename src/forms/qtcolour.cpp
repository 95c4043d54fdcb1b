#include "forms/qtcolour.h"

namespace forms {

namespace {

QColor systemRoleColour(ColourValue role)
{
    switch (role) {
    case Desktop:
        return {58, 110, 165};
    case ActiveTitleBar:
        return {10, 36, 106};
    case InactiveBorder:
        return {212, 208, 200};
    default: // window text, and any role the forms never name
        return {0, 0, 0};
    }
}

} // namespace

QColor toQColor(ColourValue value)
{
    if (value & SystemRole)
        return systemRoleColour(systemColour(static_cast<int>(value & 0xFF)));
    return {static_cast<int>(value & 0xFF), static_cast<int>(value >> 8 & 0xFF),
        static_cast<int>(value >> 16 & 0xFF)};
}

} // namespace forms
