// The unrounded projection, composed from the shared rotation so the arithmetic is the chart's own.
#include "view/DrawStyle.h"

#include <numbers>

namespace view {

analysis::Offset ProjectExact(double lat, double lon, const analysis::ChartView& view) {
  const double dx = (lon - view.centreLon) * view.pxPerMinuteLon * view.zoomFactor;
  const double dy = (view.centreLat - lat) * view.pxPerMinuteLat * view.zoomFactor;
  const analysis::Offset r =
      analysis::Rotate(dx, dy, -view.windDirection * std::numbers::pi / 180.0, view.northUp);
  return {r.x + view.mapWidth / 2.0, r.y + view.mapHeight / 2.0};
}

}  // namespace view
