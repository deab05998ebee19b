// The prepared projection of a chart view.
#include "view/ChartProjector.h"

#include <numbers>

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

}  // namespace view
