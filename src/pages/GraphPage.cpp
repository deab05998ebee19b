// Draws the Graph page: framed plots, minute and direction/speed grid, titles, and the boat and wind traces.
#include "pages/GraphPage.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "pages/Smoothing.h"
#include "race/Numbers.h"
#include "view/ChartProjector.h"
#include "view/DrawStyle.h"
#include "view/TimeBar.h"

namespace pages {
namespace {

constexpr int kLabelFont = view::FontPixels(9);

// Fixes 1..n of a boat that every track channel the traces read actually holds.
int UsableFixes(const race::RaceStore& store, int boat) {
  if (boat < 1 || boat >= static_cast<int>(store.fixCount.size())) return 0;
  const auto b = static_cast<std::size_t>(boat);
  int n = store.fixCount[b];
  const auto fit = [&](const auto& channel) {
    n = std::min(n, b < channel.size() ? static_cast<int>(channel[b].size()) - 1 : 0);
  };
  fit(store.trackTime);
  fit(store.trackCourse);
  fit(store.trackSpeed);
  return std::max(n, 0);
}

template <typename PlaceX>
std::vector<view::Point> BoatTrace(const race::RaceStore& store, const GraphAxes& axes, int boat,
                                   PlaceX placeX) {
  std::vector<view::Point> points;
  const int n = UsableFixes(store, boat);
  const auto b = static_cast<std::size_t>(boat);
  for (int i = 1; i <= n; ++i) {
    const double t = store.trackTime[b][static_cast<std::size_t>(i)];
    if (axes.InWindow(t)) points.push_back({placeX(static_cast<std::size_t>(i)), axes.TimeY(t)});
  }
  return points;
}

void DrawTrace(view::Canvas& canvas, const std::vector<view::Point>& points) {
  if (!points.empty()) canvas.Polyline(ThinToPixelRows(points));
}

void DrawTrace(view::Canvas& canvas, const std::vector<std::vector<view::Point>>& runs) {
  for (const auto& run : runs) DrawTrace(canvas, run);
}

// A label centred under its grid line, about six pixels to a character.
void AxisLabel(view::Canvas& canvas, int x, int y, const std::string& text) {
  canvas.TextOut(x - 3 * static_cast<int>(text.size()), y, text);
}

}  // namespace

int GraphAxes::TimeY(double t) const {
  return race::RoundToInt(top + h - (t - timelineStart) * h / timelineSpan);
}

int GraphAxes::CourseX(double magneticDegrees) const {
  double r = magneticDegrees - windDirection + 90;
  if (r < 0) r += 360;
  if (r > 360) r -= 360;  // exactly 360 stays at the right edge
  return race::RoundToInt(w1 * r / 360 + x0);
}

int GraphAxes::SpeedX(double knots) const {
  return race::RoundToInt(w2 * knots / fullScale + x1);
}

GraphAxes MakeGraphAxes(const race::RaceStore& store, int mapWidth, int clientHeight) {
  GraphAxes axes;
  axes.h = clientHeight - 66;
  axes.w1 = race::RoundToInt(mapWidth / 2.0 - 45);
  axes.x1 = race::RoundToInt(mapWidth / 2.0) + 10;
  axes.w2 = race::RoundToInt(mapWidth / 2.0 - 20);
  axes.timelineStart = store.timelineStart;
  axes.timelineEnd = store.timelineEnd;
  // A time line without length would divide by zero; one second keeps every point on the page.
  axes.timelineSpan = std::max(view::TimelineSpan(store), 1);
  axes.windDirection = store.windDirection;
  axes.magneticVariation = store.magneticVariation;
  axes.fullScale = std::max(race::Int(store.maxBoatSpeed + 1), 1);
  return axes;
}

std::vector<view::Point> CourseTrace(const race::RaceStore& store, const GraphAxes& axes, int boat,
                                     int smoothSeconds) {
  const auto b = static_cast<std::size_t>(boat);
  const int n = UsableFixes(store, boat);
  if (n < 1) return {};
  const auto x = [&](double course) { return axes.CourseX(course - axes.magneticVariation); };
  if (smoothSeconds <= 0)
    return BoatTrace(store, axes, boat, [&](std::size_t i) { return x(store.trackCourse[b][i]); });
  const std::vector<double> course =
      MovingAverage(store.trackTime[b], store.trackCourse[b], n, smoothSeconds, true);
  return BoatTrace(store, axes, boat, [&](std::size_t i) { return x(course[i]); });
}

std::vector<view::Point> SpeedTrace(const race::RaceStore& store, const GraphAxes& axes, int boat,
                                    int smoothSeconds) {
  const auto b = static_cast<std::size_t>(boat);
  const int n = UsableFixes(store, boat);
  if (n < 1) return {};
  // A speed beyond the scale (a GPS jump) stays on the plot's edge rather than running into the margin.
  const auto x = [&](double knots) { return std::clamp(axes.SpeedX(knots), axes.x1, axes.x1 + axes.w2); };
  if (smoothSeconds <= 0)
    return BoatTrace(store, axes, boat, [&](std::size_t i) { return x(store.trackSpeed[b][i]); });
  const std::vector<double> speed =
      MovingAverage(store.trackTime[b], store.trackSpeed[b], n, smoothSeconds, false);
  return BoatTrace(store, axes, boat, [&](std::size_t i) { return x(speed[i]); });
}

std::vector<view::Point> WindTrace(const race::RaceStore& store, const GraphAxes& axes) {
  std::vector<view::Point> points;
  const int n = std::min({store.windCount, static_cast<int>(store.windTime.size()) - 1,
                          static_cast<int>(store.windDir.size()) - 1});
  for (int s = 1; s <= n; ++s) {
    const double t = store.windTime[static_cast<std::size_t>(s)];
    if (axes.InWindow(t))
      points.push_back({axes.CourseX(store.windDir[static_cast<std::size_t>(s)]), axes.TimeY(t)});
  }
  return points;
}

std::vector<std::vector<view::Point>> SplitAtWrap(const std::vector<view::Point>& trace,
                                                  const GraphAxes& axes) {
  std::vector<std::vector<view::Point>> runs;
  for (std::size_t i = 0; i < trace.size(); ++i) {
    if (i == 0 || 2 * std::abs(trace[i].x - trace[i - 1].x) > axes.w1) runs.emplace_back();
    runs.back().push_back(trace[i]);
  }
  return runs;
}

std::vector<view::Point> ThinToPixelRows(const std::vector<view::Point>& trace) {
  std::vector<view::Point> thin;
  thin.reserve(std::min<std::size_t>(trace.size(), 4096));
  for (std::size_t from = 0; from < trace.size();) {
    // The run of points on one row, and the places of its leftmost and rightmost points.
    std::size_t to = from, left = from, right = from;
    for (; to < trace.size() && trace[to].y == trace[from].y; ++to) {
      if (trace[to].x < trace[left].x) left = to;
      if (trace[to].x > trace[right].x) right = to;
    }
    std::size_t keep[4] = {from, std::min(left, right), std::max(left, right), to - 1};
    for (std::size_t k = 0; k < 4; ++k) {
      if (k == 0 || keep[k] != keep[k - 1]) view::AppendDistinct(thin, trace[keep[k]]);
    }
    from = to;
  }
  return thin;
}

int TimeLabelEvery(int stepMinutes, double pixelsPerMinute) {
  const auto fits = [&](int every) { return every * (stepMinutes * pixelsPerMinute) >= kMinTimeLabelPitch; };
  // Every fifth line, then on round numbers of minutes: a quarter, half or whole hour, then doubling (up to
  // a bound, for a plot too low to hold two labels at all).
  for (const int every : {5, 10, 15, 30}) {
    if (fits(every)) return every;
  }
  int every = 60;
  while (!fits(every) && every < (1 << 24)) every *= 2;
  return every;
}

int GridStepMinutes(int minutes) {
  // A line a minute while that stays readable, else one an hour, else one a day: the work follows the
  // picture, not a finish time typed years late.
  for (const int step : {1, 60, 1440}) {
    if (minutes / step <= kMaxGridLines) return step;
  }
  const int days = (minutes + 1439) / 1440;
  return 1440 * ((days + kMaxGridLines - 1) / kMaxGridLines);
}

void DrawGraphPage(view::Canvas& graphBitmap, const race::RaceStore& store, int mapWidth, int clientHeight,
                   view::Colour seaColour, int smoothSeconds) {
  const GraphAxes a = MakeGraphAxes(store, mapWidth, clientHeight);
  view::Canvas& c = graphBitmap;
  const int boats = std::min(store.boatCount, static_cast<int>(store.boatColour.size()) - 1);

  c.SetPen(seaColour, 1);
  c.SetBrush(seaColour);
  c.Rectangle(0, 0, mapWidth + 1, clientHeight + 1);

  c.SetPen(view::kBlack, 1);
  c.SetBrush(kPlotBackground);
  c.Rectangle(a.x0 - 1, a.top - 1, a.x0 + a.w1 + 1, a.top + a.h + 2);
  c.Rectangle(a.x1 - 1, a.top - 1, a.x1 + a.w2 + 1, a.top + a.h + 2);
  c.SetPen(kMinorGrid, 1);
  c.SetBrush(seaColour);
  c.SetFont(kLabelFont, view::kWhite);

  const int minutes = race::RoundToInt(store.timelineEnd / 60);
  const int step = GridStepMinutes(minutes);
  const int labelEvery = TimeLabelEvery(step, 60.0 * a.h / a.timelineSpan);
  for (int i = 0; i < minutes / step; ++i) {
    const int y = a.TimeY(60.0 * step * i);
    c.SetPen(i == 0 ? view::kRed : i % 5 == 0 ? kMajorGrid : kMinorGrid, 1);
    c.MoveTo(a.x0, y);
    c.LineTo(a.x0 + a.w1, y);
    c.MoveTo(a.x1, y);
    c.LineTo(a.x1 + a.w2, y);
    if (i % labelEvery == 0) c.TextOut(10, y - 4, std::to_string(i * step));
  }

  c.TextOut(60, 10, "Boat course and Wind Direction (Deg in Mag)");
  for (int degrees = 0; degrees < 360; degrees += 10) {
    const int x = a.CourseX(degrees);
    const bool major = degrees % 30 == 0;
    c.SetPen(major ? kMajorGrid : kMinorGrid, 1);
    c.MoveTo(x, a.top);
    c.LineTo(x, a.top + a.h);
    if (major) AxisLabel(c, x, a.top + a.h + 5, std::to_string(degrees));
  }

  // The wind trace follows every boat, shown or not, so it ends up on top in boat 1's colour.
  const auto wind = SplitAtWrap(WindTrace(store, a), a);
  for (int b = boats; b >= 1; --b) {
    c.SetPen(store.boatColour[static_cast<std::size_t>(b)], 1);
    if (store.boatShown[static_cast<std::size_t>(b)] > 0)
      DrawTrace(c, SplitAtWrap(CourseTrace(store, a, b, smoothSeconds), a));
    DrawTrace(c, wind);
  }

  c.TextOut(a.x1 + 60, 10, "Boat Speed (KTS)");
  c.SetPen(kMinorGrid, 1);
  for (int knots = 1; knots <= 10; ++knots) {
    const int x = a.SpeedX(knots);
    c.MoveTo(x, a.top);
    c.LineTo(x, a.top + a.h);
    AxisLabel(c, x, a.top + a.h + 5, std::to_string(knots));
  }

  for (int b = boats; b >= 1; --b) {
    if (store.boatShown[static_cast<std::size_t>(b)] <= 0) continue;
    c.SetPen(store.boatColour[static_cast<std::size_t>(b)], 1);
    DrawTrace(c, SpeedTrace(store, a, b, smoothSeconds));
  }
}

}  // namespace pages
