#pragma once

#include <QRect>

#include <cmath>

namespace forms {

// Places and sizes are written in twips, 1440 to the inch; at 96 dots per inch that is
// 15 to a logical pixel. This is the one place that divides by 15.
constexpr int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / 15.0));
}

// A control's place as the layout tables give it: Left, Top, Width, Height in twips.
struct Place
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect pixels() const
    {
        return {
            twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
    }
};

} // namespace forms
