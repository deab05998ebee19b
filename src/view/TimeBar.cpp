// Time bar and wind graph pictures, drawn once per race load.
#include "view/TimeBar.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "race/Numbers.h"
#include "view/DrawStyle.h"
#include "view/SeaColour.h"

namespace view {

namespace {

constexpr Colour kBarBackground = Rgb(225, 225, 255);
constexpr Colour kUpwindBand = Rgb(255, 255, 255);
constexpr Colour kDownwindBand = Rgb(192, 192, 255);
constexpr Colour kGraphGreen = Rgb(0, 128, 0);
constexpr Colour kGraphLines = Rgb(192, 192, 225);
constexpr Colour kWindTrace = Rgb(0, 255, 225);

double WrapHalfTurn(double d) {
  if (d > 180) d -= 360;
  if (d < -180) d += 360;
  return d;
}

// Each fix paints the bar from the top down to its own time, so a row keeps the colour of the last fix
// reaching below it. The final rows are worked out first and painted once per run of one colour.
void DrawBands(Canvas& timeBar, const race::RaceStore& store, int span) {
  if (store.boatCount < 1 || store.trackTime.size() < 2) return;
  const int h = timeBar.Height() - 1;
  struct Band {
    int bottom;  // exclusive, as the rectangle's
    Colour colour;
  };
  std::vector<Band> bands;
  for (int j = 1; j <= store.fixCount[1]; ++j) {
    const double t = store.trackTime[1][j];
    if (!(store.timelineStart < t && t < store.timelineEnd)) continue;
    const double c = WrapHalfTurn(race::Round(store.trackCourse[1][j]) - store.windDirection);
    bands.push_back({race::RoundToInt((store.timelineEnd - t) * h / span),
                     std::fabs(c) < 90 ? kUpwindBand : kDownwindBand});
  }
  int covered = 1;                         // rows above this already hold a later fix's colour
  std::vector<std::pair<int, Band>> runs;  // (top, band)
  for (auto it = bands.rbegin(); it != bands.rend(); ++it) {
    if (it->bottom <= covered) continue;
    if (!runs.empty() && runs.back().second.colour == it->colour && runs.back().second.bottom == covered) {
      runs.back().second.bottom = it->bottom;
    } else {
      runs.push_back({covered, *it});
    }
    covered = it->bottom;
  }
  for (const auto& [top, band] : runs) {
    timeBar.SetPen(band.colour);
    timeBar.SetBrush(band.colour);
    timeBar.Rectangle(1, top, 28, band.bottom);
  }
}

}  // namespace

int TimelineSpan(const race::RaceStore& store) {
  return race::RoundToInt(store.timelineEnd - store.timelineStart);
}

void DrawTimePointer(Canvas& timePointer) {
  timePointer.SetPen(kRed);
  timePointer.SetBrush(kRed);
  timePointer.Rectangle(0, 0, 50, 5);
}

int TimePointerTop(const race::RaceStore& store, double raceTime, int timeBarHeight) {
  const int span = TimelineSpan(store);
  if (span <= 0) return kTimePointerOffset;
  return race::RoundToInt((store.timelineEnd - raceTime) * timeBarHeight / span) + kTimePointerOffset;
}

double DrawTimeBar(Canvas& timeBar, Canvas& backTimeBar, const race::RaceStore& store,
                   const analysis::SunEstimate& sun) {
  const int span = std::max(TimelineSpan(store), 1);  // a window without length keeps every row in place
  timeBar.SetPen(kBlack);
  timeBar.SetBrush(kBarBackground);
  timeBar.Rectangle(0, 0, timeBar.Width(), timeBar.Height());
  DrawBands(timeBar, store, span);

  const int h = timeBar.Height() - 1;
  const int y0 = race::RoundToInt(h * store.timelineEnd / span);  // the start gun
  timeBar.SetPen(kRed);
  timeBar.SetBrush(kRed);
  timeBar.Rectangle(0, y0 - 1, kTimeBarWidth30, y0 + 1);

  backTimeBar.SetPen(kBlack);
  backTimeBar.SetBrush(kYellow);
  backTimeBar.Rectangle(0, 0, backTimeBar.Width(), backTimeBar.Height());
  double clock = 0;
  const double barHeight = std::max(timeBar.Height(), 1);
  for (int y = backTimeBar.Height() - 1; y >= 0; --y) {
    const double t = race::Round(store.timelineEnd - (y - 30) / barHeight * span);
    clock = ClockSecond(sun.raceStartSecondOfDay, t);
    const int v = race::RoundToInt(2.55 * DaylightLevel(clock, sun));
    backTimeBar.SetPen(Rgb(v, v, 192));
    backTimeBar.MoveTo(0, y);
    backTimeBar.LineTo(backTimeBar.Width(), y);
  }
  return clock;
}

int WindBarTop(const race::RaceStore& store, double raceTime) {
  const double span = store.timelineEnd - store.timelineStart;
  if (span <= 0) return 95;
  return race::RoundToInt(95 - 90 * (raceTime - store.timelineStart) / span);
}

std::optional<WindReading> WindGraphReading(const race::RaceStore& store, int y) {
  const double span = store.timelineEnd - store.timelineStart;
  const int count =
      std::min({store.windCount, static_cast<int>(store.windTime.size()) - 1,
                static_cast<int>(store.windSpeed.size()) - 1, static_cast<int>(store.windDir.size()) - 1});
  if (span <= 0 || count < 1 || y < 5 || y > 95) return std::nullopt;
  WindReading reading;
  reading.raceSeconds = store.timelineStart + (95 - y) * span / 90;
  const double t = reading.raceSeconds;
  int k = 1;
  while (k < count && store.windTime[k + 1] <= t) ++k;
  double knots = store.windSpeed[k], degrees = store.windDir[k];
  if (k < count && t > store.windTime[k] && store.windTime[k + 1] > store.windTime[k]) {
    const double f = (t - store.windTime[k]) / (store.windTime[k + 1] - store.windTime[k]);
    knots += (store.windSpeed[k + 1] - knots) * f;
    degrees += WrapHalfTurn(store.windDir[k + 1] - degrees) * f;
  }
  reading.knots = knots;
  reading.degrees = (race::RoundToInt(degrees) % 360 + 360) % 360;
  return reading;
}

void DrawWindGraph(Canvas& graph, const race::RaceStore& store) {
  graph.SetPen(kBlack);
  graph.SetBrush(kGraphGreen);
  graph.Rectangle(0, 0, kWindGraphSize, kWindGraphSize);
  graph.SetPen(kGraphLines);
  graph.Rectangle(5, 5, 95, 95);

  const double span = store.timelineEnd - store.timelineStart;
  if (span > 0) {
    // Time lines every 5 minutes from the gun; on a long race every 15 or 30 minutes or every hours, so
    // the lines stay 4 pixels apart and the plot does not fill with them.
    int every = 1;
    for (const int minutes : {3, 6, 12, 24, 48, 96}) {
      if (300.0 * every * 90 / span >= 4) break;
      every = minutes;
    }
    const int last = race::RoundToInt(store.timelineEnd / 300) - 1;
    for (int k = 0; k <= last; k += every) {
      const int y = race::RoundToInt(95 - (300.0 * k - store.timelineStart) * 90 / span);
      graph.MoveTo(5, y);
      graph.LineTo(95, y);
    }
  }

  const int count = std::min<int>(store.windCount, static_cast<int>(store.windDir.size()) - 1);
  // Centre on the middle of the directions seen, in two passes so a shift across north stays in one piece.
  double m =
      count > 0 ? store.windDir[std::clamp(race::RoundToInt(count / 2.0), 1, count)] : store.windDirection;
  auto dev = [&](double d) { return WrapHalfTurn(d - m); };
  double maxDev = -500, minDev = 500;
  for (int pass = 0; pass < 2; ++pass) {
    maxDev = -500;
    minDev = 500;
    for (int k = 1; k <= count; ++k) {
      maxDev = std::max(maxDev, dev(store.windDir[k]));
      minDev = std::min(minDev, dev(store.windDir[k]));
    }
    if (count == 0) maxDev = minDev = 0;
    if (pass == 0) m = WrapHalfTurn((maxDev + minDev) / 2 + m);
  }
  minDev -= 10;
  maxDev += 10;
  const double range = maxDev - minDev;

  for (int k = 0; k <= 35; ++k) {
    const int x = race::RoundToInt(dev(10.0 * k) / range * 90 + 50);
    if (6 <= x && x < 95) {
      graph.MoveTo(x, 5);
      graph.LineTo(x, 95);
    }
  }

  if (span <= 0) return;
  graph.SetPen(kWindTrace);
  bool first = true;
  for (int k = 1; k <= count; ++k) {
    const double t = store.windTime[k];
    if (!(store.timelineStart <= t && t <= store.timelineEnd)) continue;
    const int y = race::RoundToInt(95 - (t - store.timelineStart) * 90 / span);
    const int x = race::RoundToInt(dev(store.windDir[k]) / range * 90 + 50);
    if (first) {
      graph.MoveTo(x, y);
      first = false;
    } else {
      graph.LineTo(x, y);
    }
  }
}

}  // namespace view
