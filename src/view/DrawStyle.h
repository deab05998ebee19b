// Colours, font sizes and labels shared by the renderers of the chart pictures.
#pragma once

#include <string>

#include "analysis/Navigation.h"
#include "view/Canvas.h"

namespace view {

inline constexpr Colour kWhite = Rgb(255, 255, 255);
inline constexpr Colour kBlack = Rgb(0, 0, 0);
inline constexpr Colour kRed = Rgb(255, 0, 0);
inline constexpr Colour kBlue = Rgb(0, 0, 255);
inline constexpr Colour kYellow = Rgb(255, 255, 0);
inline constexpr Colour kSilver = Rgb(192, 192, 192);
inline constexpr Colour kHaloColour = Rgb(192, 255, 255);

// The chart's font sizes are typographic points on a 96-dpi screen; the canvas takes pixels.
constexpr int FontPixels(int points) { return (points * 96 + 36) / 72; }

// "MK3", "L1": the label of a mark or line, as the course names it.
std::string CoursePointLabel(const char* prefix, int number);

}  // namespace view
