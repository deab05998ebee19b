// Flat-earth navigation math: bearings, ranges, rotation and chart projection.
#include "analysis/Navigation.h"

#include <cmath>
#include <numbers>

#include "race/Numbers.h"

namespace analysis {

Offset Rotate(double x, double y, double angleRadians, bool northUp) {
  if (northUp) return {x, y};
  const double c = std::cos(angleRadians);
  const double s = std::sin(angleRadians);
  // Kept in the evaluation order the renderers were tuned on, so pixels come out identical.
  return {c * x + s * (-y), -(s * (-x) + c * (-y))};
}

Offset PolarOffset(double degrees) {
  if (degrees < -180) degrees += 360;
  if (degrees > 360) degrees -= 360;
  const double r = degrees * kRadiansPerDegree;
  return {kPolarOffsetLength * std::sin(r), -kPolarOffsetLength * std::cos(r)};
}

double NormaliseDegrees(double degrees) {
  if (degrees > 360) degrees -= 360;
  if (degrees < 0) degrees += 360;
  return degrees;
}

RangeBearing RangeAndBearing(Position from, Position to, double cosMidLatitude, double magneticVariation) {
  const double dLat = to.lat - from.lat;
  const double dLon = to.lon - from.lon;
  const double east = dLon * (kMetresPerMinuteLat * cosMidLatitude);
  const double south = -dLat * kMetresPerMinuteLat;
  RangeBearing result;
  result.rangeBearingMag = NormaliseDegrees(Bearing(east, south) - magneticVariation);
  result.rangeMetres = std::sqrt(east * east + south * south);
  return result;
}

ChartPoint ProjectToChart(double lat, double lon, const ChartView& view) {
  const double dx = (lon - view.centreLon) * view.pxPerMinuteLon * view.zoomFactor;
  const double dy = (view.centreLat - lat) * view.pxPerMinuteLat * view.zoomFactor;
  const Offset r = Rotate(dx, dy, -view.windDirection * kRadiansPerDegree, view.northUp);
  return {race::RoundToInt(r.x + view.mapWidth / 2.0), race::RoundToInt(r.y + view.mapHeight / 2.0)};
}

Position ChartToPosition(double px, double py, const ChartView& view) {
  const double dx = px - view.mapWidth / 2.0;
  const double dy = py - view.mapHeight / 2.0;
  const Offset r = Rotate(dx, dy, view.windDirection * kRadiansPerDegree, view.northUp);
  // Two successive divisions, as the background chart has always done it.
  return {view.centreLat - r.y / view.pxPerMinuteLat / view.zoomFactor,
          view.centreLon + r.x / view.pxPerMinuteLon / view.zoomFactor};
}

}  // namespace analysis
