// Coastline drawing shared by the frame, the still chart and the overview map. A coastline may hold tens of
// thousands of points while the frame shows a small part of it, so polylines whose box lies wholly beyond
// one side of the chart's latitude and longitude box are passed over whole, and of the rest the segments
// wholly on one side are left out before projecting.
#include "view/Coastline.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "view/ChartProjector.h"

namespace view {

namespace {

// The latitude and longitude box round the (possibly turned) chart rectangle.
struct VisibleBox {
  double minLat = -1e300, maxLat = 1e300, minLon = -1e300, maxLon = 1e300;

  explicit VisibleBox(const analysis::ChartView& view) {
    const double margin = 4;  // pixels, for pen width and rounding
    double lats[4], lons[4];
    const double xs[2] = {-margin, view.mapWidth + margin};
    const double ys[2] = {-margin, view.mapHeight + margin};
    for (int i = 0; i < 4; ++i) {
      const analysis::Position p = analysis::ChartToPosition(xs[i % 2], ys[i / 2], view);
      lats[i] = p.lat;
      lons[i] = p.lon;
    }
    const double south = *std::min_element(lats, lats + 4), north = *std::max_element(lats, lats + 4);
    const double west = *std::min_element(lons, lons + 4), east = *std::max_element(lons, lons + 4);
    if (std::isfinite(south) && std::isfinite(north) && std::isfinite(west) && std::isfinite(east)) {
      minLat = south, maxLat = north, minLon = west, maxLon = east;
    }
  }

  int Code(double lat, double lon) const {
    return (lat < minLat ? 1 : 0) | (lat > maxLat ? 2 : 0) | (lon < minLon ? 4 : 0) | (lon > maxLon ? 8 : 0);
  }

  // Every point of the piece beyond the same side: none of its segments would be drawn.
  bool WhollyBeyond(const race::CoastPiece& piece) const {
    return piece.north < minLat || piece.south > maxLat || piece.east < minLon || piece.west > maxLon;
  }
};

// The readers' pieces, when they still match the points (a store filled by hand has none).
bool PiecesCover(const std::vector<race::CoastPiece>& pieces, int count) {
  return !pieces.empty() && pieces.front().first == 1 && pieces.back().last == count;
}

}  // namespace

void DrawCoastline(Canvas& canvas, const race::RaceStore& store, const analysis::ChartView& view) {
  const int count = std::min<int>({store.coastCount, static_cast<int>(store.coastLat.size()) - 1,
                                   static_cast<int>(store.coastLon.size()) - 1});
  if (count < 1) return;
  const ChartProjector project(view);
  const VisibleBox box(view);
  std::vector<Point> run;
  auto flush = [&] {
    if (run.size() > 1) canvas.Polyline(run);
    run.clear();
  };
  // Points first..last, the first starting a polyline.
  const auto drawPoints = [&](int first, int last) {
    double prevLat = 0, prevLon = 0;
    int prevCode = 0;
    for (int k = first; k <= last; ++k) {
      double lat = store.coastLat[k];
      const double lon = store.coastLon[k];
      const bool starts = lat > 6000 || k == first;
      if (lat > 6000) lat -= kCoastStartFlag;
      const int code = box.Code(lat, lon);
      if (starts || (code & prevCode) != 0) {
        flush();  // a new polyline, or a segment wholly beyond one side of the chart
      } else {
        if (run.empty()) run.push_back(project.Pixel(prevLat, prevLon));
        AppendDistinct(run, project.Pixel(lat, lon));
      }
      prevLat = lat, prevLon = lon, prevCode = code;
    }
    flush();
  };
  if (!PiecesCover(store.coastPieces, count)) return drawPoints(1, count);
  for (const race::CoastPiece& piece : store.coastPieces) {
    if (!box.WhollyBeyond(piece)) drawPoints(piece.first, piece.last);
  }
}

}  // namespace view
