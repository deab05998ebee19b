// Hull outlines, sails and wind pointers of the boats on the chart.
#include "view/BoatGlyph.h"

#include <cmath>
#include <numbers>

#include "race/Numbers.h"
#include "view/DrawStyle.h"

namespace view {

namespace {

constexpr double kRad = std::numbers::pi / 180.0;

// Percent of the boat length; y grows towards the stern, so the bow points up before turning.
constexpr double kPointedX[9] = {0, 12, 15, 10, -10, -15, -12, 0, 0};
constexpr double kPointedY[9] = {-50, -10, 20, 50, 50, 20, -10, -50, -15};
constexpr double kFlatX[9] = {0, 10, 27, 20, -20, -27, -10, 0, 0};
constexpr double kFlatY[9] = {-50, -50, 10, 50, 50, 10, -50, -50, -20};

Point RoundedAt(analysis::Offset base, double x, double y) {
  return {race::RoundToInt(base.x + x), race::RoundToInt(base.y + y)};
}

}  // namespace

void SelectHullOutline(race::RaceStore& store) {
  const bool pointed = store.boatLength > 3.0;
  for (int k = 0; k < 9; ++k) {
    store.hullX[k] = pointed ? kPointedX[k] : kFlatX[k];
    store.hullY[k] = pointed ? kPointedY[k] : kFlatY[k];
  }
}

double ScreenHeading(double course, bool northUp, int windDirection) {
  double h = course;
  if (!northUp) h -= windDirection;
  for (int pass = 0; pass < 2; ++pass) {
    if (h > 180) h -= 360;
    if (h < -180) h += 360;
  }
  return h;
}

std::array<Point, 9> HullPoints(const race::RaceStore& store, analysis::Offset centre, double lengthPx,
                                double headingDeg) {
  const double c = std::cos(headingDeg * kRad);
  const double s = std::sin(headingDeg * kRad);
  std::array<Point, 9> points;
  for (int k = 0; k < 9; ++k) {
    const double x = store.hullX[k] * lengthPx / 100;
    const double y = store.hullY[k] * lengthPx / 100;
    points[k] = RoundedAt(centre, x * c - y * s, x * s + y * c);
  }
  return points;
}

WindPointer WindPointerOffsets(int windTrueDirNow, double lengthPx, bool northUp, int windDirection) {
  const double theta = -windDirection * kRad;
  const double w = windTrueDirNow * kRad;
  const double a1 = w - 5 * kRad;
  const double a2 = w + 5 * kRad;
  return {analysis::Rotate(std::sin(w) * lengthPx, -std::cos(w) * lengthPx, theta, northUp),
          analysis::Rotate(std::sin(a1) * 2 * lengthPx, -std::cos(a1) * 2 * lengthPx, theta, northUp),
          analysis::Rotate(std::sin(a2) * 2 * lengthPx, -std::cos(a2) * 2 * lengthPx, theta, northUp)};
}

std::array<Point, 4> SailPoints(Point mast, double lengthPx, double course, double speed, double twa,
                                bool northUp, int windDirection) {
  const double a = std::fabs(twa) * kRad;
  const double side = twa > 0 ? 1.0 : -1.0;
  // Apparent wind for a fixed 10-knot true wind; a zero divisor gives a beam wind (90), never a fault.
  double awa = std::atan(10 * std::sin(a) / (speed + 10 * std::cos(a))) / kRad;
  if (std::isnan(awa)) awa = 90;
  if (awa < 0) awa += 180;
  awa *= side;
  double sail = awa / 2 + 180;
  if (sail > 180) sail -= 360;
  const double b = course + sail + (northUp ? 0 : -windDirection);
  const analysis::Offset m{static_cast<double>(mast.x), static_cast<double>(mast.y)};
  auto along = [&](double fraction, double degrees) {
    return RoundedAt(m, fraction * lengthPx * std::sin(degrees * kRad), -fraction * lengthPx * std::cos(degrees * kRad));
  };
  return {mast, along(0.1, b + 40 * side), along(0.25, b + 16 * side), along(0.5, b)};
}

void DrawBoatGlyph(Canvas& canvas, const race::RaceStore& store, int boat, analysis::Offset centre,
                   double course, double speed, double twa, const GlyphStyle& style) {
  const double heading = ScreenHeading(course, style.northUp, style.windDirection);
  const std::array<Point, 9> hull = HullPoints(store, centre, style.lengthPx, heading);
  const Colour colour = store.boatColour[boat];
  // A light rim keeps dark hulls visible on a darker sea.
  canvas.SetPen(style.seaBrightness > 75 ? colour : kSilver);
  canvas.SetBrush(colour);
  canvas.Polygon({hull.begin(), hull.begin() + 8});

  if (style.pointer != nullptr) {
    const WindPointer& p = *style.pointer;
    canvas.SetPen(kYellow);
    const Point a = RoundedAt(centre, p.p0.x, p.p0.y);
    canvas.Polyline({a, RoundedAt(centre, p.p1.x, p.p1.y), RoundedAt(centre, p.p2.x, p.p2.y), a});
  }

  if (style.lengthPx > 8) {
    const std::array<Point, 4> sail =
        SailPoints(hull[8], style.lengthPx, course, speed, twa, style.northUp, style.windDirection);
    canvas.SetPen(kWhite);
    canvas.SetBrush(kWhite);
    canvas.Polygon({sail.begin(), sail.end()});
  }
}

}  // namespace view
