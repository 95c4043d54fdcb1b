#pragma once

// The window's outer size is the only record of what it shows: the legend strip right of the
// main region, the banner strip below it. All sizes in twips; start-up and the commands both
// set them.
namespace sizes {

inline constexpr float NarrowWidth = 7500;
inline constexpr float LegendWidth = 2000;
inline constexpr float CollapsedHeight = 2450;
inline constexpr float BannerHeight = 1990;

} // namespace sizes
