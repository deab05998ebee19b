// Sea and grid colours from the slider, and the daylight rule behind AUTO.
#include "view/SeaColour.h"

#include <algorithm>
#include <cmath>

#include "race/Numbers.h"

namespace view {

void ScrollBar3Change(Sea& sea, int position) {
  const double b = std::clamp(position, 0, 100);
  sea.seaBrightness = b;
  const int r = race::RoundToInt(1.6 * b);
  const int g = race::RoundToInt(2.2 * b);
  const int bl = std::min(race::RoundToInt(3.25 * b + 70), 255);
  sea.seaColour = Rgb(r, g, bl);
  if (b > 50) {  // darker lines on a light sea, lighter ones on a dark sea
    sea.gridColour = Rgb(std::max(r - 50, 0), std::max(g - 50, 0), bl);
  } else {
    sea.gridColour = Rgb(std::min(r + 80, 255), std::min(g + 80, 255), std::min(bl + 80, 255));
  }
}

void CheckBox3Click(Sea& sea, bool checked) { sea.seaAuto = checked ? 1 : 0; }

void ChooseSeaPreset(Sea& sea, int k) {
  if (k < 1 || k > 5) return;
  sea.seaStyle = k;
  sea.seaColour = sea.seaPreset[k];
}

double ClockSecond(double raceStartSecondOfDay, double raceTime) {
  const double x = raceStartSecondOfDay + raceTime;
  double s = x - race::Int(x / 86400) * 86400.0;
  if (s < 0) s += 86400;  // a replay time before midnight of the start day
  return s;
}

double DaylightLevel(double clockSecond, const analysis::SunEstimate& sun) {
  double level = (sun.sunriseSecond < clockSecond && clockSecond < sun.sunsetSecond) ? 100 : 0;
  if (std::fabs(clockSecond - sun.sunriseSecond) < 3600) {
    level = (clockSecond - sun.sunriseSecond) * 50 / 3600 + 50;
  }
  if (std::fabs(clockSecond - sun.sunsetSecond) < 2400) {
    level = (sun.sunsetSecond - clockSecond) * 50 / 2400 + 50;
  }
  return level;
}

double ApplyAutoSea(Sea& sea, const analysis::SunEstimate& sun, double raceTime) {
  const double clock = ClockSecond(sun.raceStartSecondOfDay, raceTime);
  if (sea.seaAuto > 0) ScrollBar3Change(sea, race::RoundToInt(DaylightLevel(clock, sun)));
  return clock;
}

}  // namespace view
