#include "view/Wakes.h"

#include <algorithm>
#include <cmath>

#include "race/Numbers.h"
#include "view/DrawStyle.h"

namespace view {

namespace {

int Blend(int a, int b, double f) {
  return race::RoundToInt(a + (b - a) * f);
}

Point FixAt(const race::RaceStore& store, int boat, int fix, const ChartProjector& project) {
  fix = std::max(fix, 1);
  return project.Pixel(store.trackLat[boat][fix], store.trackLon[boat][fix]);
}

}  // namespace

Colour SpeedColour(double knots, double fastest) {
  // Four stops; a race without speeds reads all slow.
  static constexpr Colour kStops[] = {Rgb(0, 64, 255), Rgb(0, 200, 80), Rgb(255, 230, 0), Rgb(255, 0, 0)};
  const double f = fastest > 0 && std::isfinite(knots) ? std::clamp(knots / fastest, 0.0, 1.0) : 0.0;
  const double at = f * 3;
  const int k = std::min(static_cast<int>(at), 2);
  const double r = at - k;
  const Colour a = kStops[k], b = kStops[k + 1];
  return Rgb(Blend(RedOf(a), RedOf(b), r), Blend(GreenOf(a), GreenOf(b), r), Blend(BlueOf(a), BlueOf(b), r));
}

void DrawOptionWake(Canvas& frame, const race::RaceStore& store, int boat, int lastFix, int step,
                    int segments, Point boatAt, bool speedColoured, Colour plain, Colour sea,
                    const ChartProjector& project) {
  std::vector<Point> points{boatAt};
  for (int k = 0; k < segments && lastFix - k * step >= 1; ++k)
    points.push_back(FixAt(store, boat, lastFix - k * step, project));
  if (speedColoured) {
    // No dots between the steps: the colour changes mark the fixes, and dots would cut the wake into dashes.
    for (size_t k = 1; k < points.size(); ++k) {
      const int fix = lastFix - static_cast<int>(k - 1) * step;
      frame.SetPen(SpeedColour(store.trackSpeed[boat][fix], store.maxBoatSpeed), 2, PenStyle::Solid);
      frame.MoveTo(points[k - 1].x, points[k - 1].y);
      frame.LineTo(points[k].x, points[k].y);
    }
    return;
  }
  frame.SetPen(plain, 1, PenStyle::Solid);
  frame.Polyline(points);
  frame.SetBrush(sea);
  for (size_t k = 1; k + 1 < points.size(); ++k)
    frame.Ellipse(points[k].x - 1, points[k].y - 1, points[k].x + 2, points[k].y + 2);
}

void DrawManoeuvreMarks(Canvas& frame, const race::RaceStore& store, int boat,
                        const std::vector<analysis::Manoeuvre>& manoeuvres, double from, double to,
                        const ChartProjector& project) {
  const auto& times = store.trackTime[boat];
  const int fixes = std::min<int>(store.fixCount[boat], static_cast<int>(times.size()) - 1);
  if (fixes < 1) return;
  frame.SetPen(kBlack, 1, PenStyle::Solid);
  for (const analysis::Manoeuvre& m : manoeuvres) {
    if (m.seconds < from || m.seconds > to) continue;
    const auto at = times.LowerBound(1, fixes + 1, m.seconds);
    const Point p = FixAt(store, boat, static_cast<int>(std::min<std::size_t>(at, fixes)), project);
    if (m.kind == analysis::ManoeuvreKind::Tack) {
      frame.SetBrush(kYellow);
      frame.Rectangle(p.x - 3, p.y - 3, p.x + 4, p.y + 4);
    } else {
      frame.SetBrush(Rgb(255, 128, 255));
      frame.Ellipse(p.x - 4, p.y - 4, p.x + 5, p.y + 5);
    }
  }
}

void DrawSpeedLegend(Canvas& frame, double fastest, Colour sea) {
  constexpr int kLeft = 20, kWidth = 100, kHeight = 8;
  const int top = frame.Height() - 48;
  for (int x = 0; x < kWidth; ++x) {
    frame.SetPen(SpeedColour(fastest * x / (kWidth - 1), fastest), 1, PenStyle::Solid);
    frame.MoveTo(kLeft + x, top);
    frame.LineTo(kLeft + x, top + kHeight);
  }
  frame.SetBrush(sea);
  frame.SetFont(FontPixels(9), kWhite, false, true);
  frame.TextOut(kLeft + kWidth + 6, top - 4,
                "0 - " + race::FormatGeneral(race::Round(fastest * 10) / 10) + "Kts");
}

}  // namespace view
