// The Graph page: every shown boat's course (with the wind direction) and speed over the whole race,
// time running up the page, drawn into graphBitmap.
#pragma once

#include <vector>

#include "race/RaceStore.h"
#include "view/Canvas.h"

namespace pages {

inline constexpr view::Colour kPlotBackground = view::Rgb(225, 225, 255);
inline constexpr view::Colour kMinorGrid = view::Rgb(192, 192, 225);
inline constexpr view::Colour kMajorGrid = view::Rgb(162, 162, 225);

// The page's layout and axes for a chart width and window client height; the highlight of the boat list
// uses the same ones.
struct GraphAxes {
  int top = 29;
  int h = 0;  // plot height
  int x0 = 40;
  int w1 = 0;  // left plot: course and wind
  int x1 = 0;
  int w2 = 0;  // right plot: speed
  double timelineStart = 0;
  double timelineEnd = 0;
  int timelineSpan = 1;
  int windDirection = 0;
  double magneticVariation = 0;
  int fullScale = 1;  // knots at the right edge of the speed plot

  bool InWindow(double t) const { return t >= timelineStart && t <= timelineEnd; }
  // The start of the time line at the bottom, its end at the top.
  int TimeY(double t) const;
  // The race's wind direction a quarter across, the opposite direction three quarters across.
  int CourseX(double magneticDegrees) const;
  int SpeedX(double knots) const;
};

GraphAxes MakeGraphAxes(const race::RaceStore& store, int mapWidth, int clientHeight);

// A boat's course trace (true course turned magnetic) and speed trace through its fixes inside the time
// line; fixes outside are skipped without breaking the line. smoothSeconds above 0 averages each fix with
// its neighbours within that many seconds.
std::vector<view::Point> CourseTrace(const race::RaceStore& store, const GraphAxes& axes, int boat,
                                     int smoothSeconds = 0);
std::vector<view::Point> SpeedTrace(const race::RaceStore& store, const GraphAxes& axes, int boat,
                                    int smoothSeconds = 0);
std::vector<view::Point> WindTrace(const race::RaceStore& store, const GraphAxes& axes);

// A direction trace cut where it comes round the edge of the course plot (a step of more than half the plot
// width), so a course swinging past the wrap point does not streak across the whole plot.
std::vector<std::vector<view::Point>> SplitAtWrap(const std::vector<view::Point>& trace,
                                                  const GraphAxes& axes);

// The trace as drawn: of each run of points on one pixel row only the first, the leftmost, the rightmost and
// the last are kept, in their order. A 1-pixel line through them covers the same pixels, and a race logged
// each second puts dozens of fixes on every row.
std::vector<view::Point> ThinToPixelRows(const std::vector<view::Point>& trace);

// The minutes between two time grid lines for a time line of the given minutes: 1 up to a day, then an
// hour, then a day, so that at most kMaxGridLines are drawn.
inline constexpr int kMaxGridLines = 1440;
int GridStepMinutes(int minutes);

// Grid lines from one time label to the next: every fifth line, or more where the lines lie so close
// (pixelsPerMinute) that labels that often would run into one another; the labels then fall on round
// minutes (10, 15, 30, 60, then doubling).
inline constexpr int kMinTimeLabelPitch = 16;  // pixels: a 9-point line of digits and a gap
int TimeLabelEvery(int stepMinutes, double pixelsPerMinute);

// Draws the whole page. The bitmap is mapWidth x client height.
void DrawGraphPage(view::Canvas& graphBitmap, const race::RaceStore& store, int mapWidth, int clientHeight,
                   view::Colour seaColour, int smoothSeconds = 0);

}  // namespace pages
