// Colours, font sizes and the unrounded chart projection shared by the renderers of the chart pictures.
#pragma once

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

// The chart position of (lat, lon) on the view's bitmap before rounding: glyphs are turned about it.
analysis::Offset ProjectExact(double lat, double lon, const analysis::ChartView& view);

}  // namespace view
