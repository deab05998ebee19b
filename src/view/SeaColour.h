// The sea colour: the brightness slider (ScrollBar3), its AUTO mode that darkens the sea from sunset to
// sunrise, and the five preset swatches.
#pragma once

#include <array>

#include "analysis/ChartFit.h"
#include "view/Canvas.h"

namespace view {

struct Sea {
  double seaBrightness = 100;  // ScrollBar3 position, 0..100
  Colour seaColour = Rgb(160, 220, 255);
  Colour gridColour = Rgb(110, 170, 255);
  int seaAuto = 1;  // CheckBox3 "AUTO"
  std::array<Colour, 6> seaPreset = {0,
                                     Rgb(160, 225, 255),
                                     Rgb(128, 192, 255),
                                     Rgb(96, 160, 223),
                                     Rgb(64, 128, 192),
                                     Rgb(32, 96, 160)};  // 1..5
  int seaStyle = 0;  // last preset chosen, 0 until one is
};

// Slider moved (by the user or the AUTO rule): sea and grid colours from the brightness.
void ScrollBar3Change(Sea& sea, int position);

void CheckBox3Click(Sea& sea, bool checked);

// Swatch k (1..5) chosen; the caller then redraws the still chart.
void ChooseSeaPreset(Sea& sea, int k);

// Time of day (0 <= s < 86400) of a replay time.
double ClockSecond(double raceStartSecondOfDay, double raceTime);

// Daylight level 0..100 at a time of day: 100 by day, 0 by night, a two-hour ramp round sunrise and an
// 80-minute ramp round sunset (the sunset ramp wins where both apply).
double DaylightLevel(double clockSecond, const analysis::SunEstimate& sun);

// The AUTO rule run by each playback tick: moves the slider to the daylight level when AUTO is on.
// Returns the clock second it used.
double ApplyAutoSea(Sea& sea, const analysis::SunEstimate& sun, double raceTime);

}  // namespace view
