// Compass rose, overview map and the orientation controls.
#include "view/Compass.h"

#include <cmath>
#include <numbers>

#include "race/Numbers.h"
#include "view/ChartProjector.h"
#include "view/Coastline.h"
#include "view/DrawStyle.h"

namespace view {

analysis::ChartView OverviewView(const analysis::ChartFit& fit, bool northUp, int windDirection) {
  analysis::ChartView view;
  view.centreLat = fit.midLat;
  view.centreLon = fit.midLon;
  view.pxPerMinuteLat = fit.overviewPxPerMinuteLat;
  view.pxPerMinuteLon = fit.overviewPxPerMinuteLon;
  view.mapWidth = fit.overviewWidth;
  view.mapHeight = fit.overviewHeight;
  view.northUp = northUp;
  view.windDirection = windDirection;
  return view;
}

double CompassAngle(const race::RaceStore& store, bool northUp) {
  return northUp ? store.magneticVariation : store.magneticVariation - store.windDirection;
}

double DrawCompass(Canvas& compass, const Canvas& rose, double angle) {
  const int w = rose.Width();
  const int h = rose.Height();
  const double centre = kCompassSize / 2.0;
  compass.SetPen(kBlack);
  compass.SetBrush(kBlack);
  compass.Rectangle(0, 0, kCompassSize, kCompassSize);
  if (angle == 0) {
    compass.CopyFrom(rose, race::RoundToInt(centre - w / 2.0), race::RoundToInt(centre - h / 2.0));
    return 0;
  }
  if (angle < 0) angle += 360;
  const double s = std::sin(angle * std::numbers::pi / 180);
  const double c = std::cos(angle * std::numbers::pi / 180);
  const double radius = w / 2.0;
  for (int x = 0; x < w; ++x) {
    for (int y = 0; y < h; ++y) {
      const double dx = x - w / 2.0;
      const double dy = y - h / 2.0;
      if (dx * dx + dy * dy >= radius * radius) continue;  // only the round rose turns
      const double tx = dx * c - dy * s + centre;
      const double ty = dx * s + dy * c + centre;
      const Colour colour = rose.Pixel(x, y);
      // The second write closes the gaps a turned grid leaves.
      compass.SetPixel(race::RoundToInt(tx), race::RoundToInt(ty), colour);
      compass.SetPixel(race::RoundToInt(tx), race::RoundToInt(ty + 1), colour);
    }
  }
  return angle;
}

Point ProjectToOverview(double lat, double lon, const analysis::ChartFit& fit, bool northUp,
                        int windDirection) {
  const analysis::ChartPoint p =
      analysis::ProjectToChart(lat, lon, OverviewView(fit, northUp, windDirection));
  return {p.x, p.y};
}

void DrawOverviewMap(Canvas& overview, const race::RaceStore& store, const analysis::ChartFit& fit,
                     Colour seaPreset1, bool northUp) {
  overview.SetPen(kBlack);
  overview.SetBrush(seaPreset1);
  overview.Rectangle(0, 0, fit.overviewWidth, fit.overviewHeight);
  const analysis::ChartView view = OverviewView(fit, northUp, store.windDirection);
  const ChartProjector project(view);
  std::vector<Point> track;
  for (int i = store.boatCount; i >= 1; --i) {
    if (i >= static_cast<int>(store.trackLat.size())) continue;
    project.TrackPixels(store, i, track);
    overview.SetPen(store.boatColour[i]);
    overview.Polyline(track);
  }
  overview.SetPen(kWhite);
  DrawCoastline(overview, store, view);
}

bool RadioNClick(ViewOptions& options) {
  if (options.northUp) return false;
  options.northUp = true;
  return true;
}

bool RadioWClick(ViewOptions& options) {
  if (!options.northUp) return false;
  options.northUp = false;
  return true;
}

void compasstMouseMove(Pointer& pointer, int x, int y, int compassWidth) {
  pointer.windMarks = 1;
  const double half = compassWidth / 2.0;
  const double d = std::sqrt((y - half) * (y - half) + (x - half) * (x - half));
  pointer.nameMode = d < 0.4 * compassWidth ? 0 : 1;
}

}  // namespace view
