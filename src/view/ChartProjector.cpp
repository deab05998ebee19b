// The prepared projection of a chart view.
#include "view/ChartProjector.h"

#include <algorithm>
#include <numbers>

#include "race/RaceStore.h"

namespace view {

ChartProjector::ChartProjector(const analysis::ChartView& view)
    : centreLat_(view.centreLat),
      centreLon_(view.centreLon),
      pxPerMinuteLat_(view.pxPerMinuteLat),
      pxPerMinuteLon_(view.pxPerMinuteLon),
      zoomFactor_(view.zoomFactor),
      halfWidth_(view.mapWidth / 2.0),
      halfHeight_(view.mapHeight / 2.0),
      northUp_(view.northUp) {
  const double theta = -view.windDirection * std::numbers::pi / 180.0;
  ex_ = analysis::Rotate(1, 0, theta, view.northUp);
  ey_ = analysis::Rotate(0, 1, theta, view.northUp);
}

void ChartProjector::TrackPixels(const race::RaceStore& store, int boat, std::vector<Point>& out) const {
  const int fixes = store.fixCount[boat];
  out.resize(std::max(0, fixes));
  if (fixes <= 0) return;
  const auto& lat = store.trackLat[boat];
  const auto& lon = store.trackLon[boat];
  // A repeat is about as likely as not on a dense track, so it is counted rather than branched on: every
  // pixel is written, and the count moves past it only when it differs from the one before.
  Point* const points = out.data();
  points[0] = Pixel(lat[1], lon[1]);
  std::size_t count = 1;
  for (int j = 2; j <= fixes; ++j) {
    const Point p = Pixel(lat[j], lon[j]);
    points[count] = p;
    count += static_cast<std::size_t>((p.x != points[count - 1].x) | (p.y != points[count - 1].y));
  }
  out.resize(count);
}

}  // namespace view
