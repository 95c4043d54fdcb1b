#pragma once

#include <QString>

#include <vector>

// The main window's geometry, without the window. Its outer size is the only record of what it
// shows: the legend strip right of the main region, the banner strip below it. All sizes are
// in twips; start-up and the commands both set them.
namespace geometry {

inline constexpr float NarrowWidth = 7500;
inline constexpr float LegendWidth = 2000;
inline constexpr float CollapsedHeight = 2450;
inline constexpr float BannerHeight = 1990;

// The outer size as read from the window.
struct Size
{
    float width = 0;
    float height = 0;
};

// Any width but the narrow one shows the legend; any height but the collapsed one, the banners.
constexpr bool legendShown(Size size)
{
    return size.width != NarrowWidth;
}

constexpr bool expanded(Size size)
{
    return size.height != CollapsedHeight;
}

// One thing a command sets: the caption of the legend toggle (Lbl2) or of the window toggle
// (Auther), or the outer width or height.
struct Setting
{
    enum class Target { LegendCaption, WindowCaption, Width, Height };

    Target target;
    QString caption;
    float size = 0;

    friend bool operator==(const Setting &, const Setting &) = default;
};

// What each command sets, in the order it sets them, from the size read as it starts: a
// toggle's caption before the size it stands for, and each size the one set last with a strip
// added or taken away, or the narrow width outright. Solve is the part of a Solve that found a
// nominal.
std::vector<Setting> legendToggle(Size size);
std::vector<Setting> solve(Size size);
std::vector<Setting> clear(Size size);
std::vector<Setting> windowToggle(Size size);

} // namespace geometry
