// The two small pictures drawn once per race: the vertical time bar (replay window from start at the
// bottom to finish at the top, banded by the first boat's upwind and downwind sailing, on a day and night
// background) and the wind graph (wind direction against time). The moving markers are placed per frame.
#pragma once

#include <optional>

#include "analysis/ChartFit.h"
#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace view {

inline constexpr int kTimeBarWidth30 = 30;     // TimeBar picture width
inline constexpr int kTimeBarTop = 29;         // TimeBar top inside pnlTimeBar
inline constexpr int kTimePointerOffset = 28;  // TimePointer top = bar position + 28
inline constexpr int kWindGraphSize = 100;

// Round(timelineEnd - timelineStart), the span the pointers divide by.
int TimelineSpan(const race::RaceStore& store);

// Draws the bar picture (TimeBar, 30 wide) and its day and night background (BackTimeBar, the size of
// pnlTimeBar; its rows are shaded by the AUTO daylight rule). Returns the clock second of the top row.
double DrawTimeBar(Canvas& timeBar, Canvas& backTimeBar, const race::RaceStore& store,
                   const analysis::SunEstimate& sun);

// The solid red TimePointer marker.
void DrawTimePointer(Canvas& timePointer);

// Top of TimePointer in pnlTimeBar for a replay time; the bar height is the TimeBar picture's.
int TimePointerTop(const race::RaceStore& store, double raceTime, int timeBarHeight);

// The wind graph (Image10, 100 x 100): five-minute time lines, 10-degree direction lines and the trace,
// centred on the middle of the directions so a shift across north stays continuous.
void DrawWindGraph(Canvas& graph, const race::RaceStore& store);

// What the wind graph shows at its row y: race seconds, and the wind file's knots and degrees magnetic at
// that time. Nothing above or below the plot, without wind samples, or in a race of no length.
struct WindReading {
  double raceSeconds = 0;
  double knots = 0;
  int degrees = 0;
};
std::optional<WindReading> WindGraphReading(const race::RaceStore& store, int y);

// Top of the red pnlBAR line on the wind graph for a replay time.
int WindBarTop(const race::RaceStore& store, double raceTime);

}  // namespace view
