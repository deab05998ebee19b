// Coastline drawing shared by the frame, the still chart and the overview map.
#include "view/Coastline.h"

#include <algorithm>
#include <vector>

namespace view {

void DrawCoastline(Canvas& canvas, const race::RaceStore& store, const analysis::ChartView& view) {
  const int count = std::min<int>(store.coastCount, static_cast<int>(store.coastLat.size()) - 1);
  std::vector<Point> run;
  // Each polyline goes to the canvas in one call; a lone first point draws nothing, as a bare move would not.
  auto flush = [&] {
    if (run.size() > 1) canvas.Polyline(run);
    run.clear();
  };
  for (int k = 1; k <= count && k < static_cast<int>(store.coastLon.size()); ++k) {
    double lat = store.coastLat[k];
    const bool starts = lat > 6000;
    if (starts) {
      lat -= kCoastStartFlag;
      flush();
    }
    const analysis::ChartPoint p = analysis::ProjectToChart(lat, store.coastLon[k], view);
    run.push_back({p.x, p.y});
  }
  flush();
}

}  // namespace view
