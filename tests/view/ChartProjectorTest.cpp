// The prepared projection must put every point on the very pixel the one-point projection gives, in both
// orientations and at any zoom, or tracks and boats would drift apart from marks by a pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "view/ChartProjector.h"
#include "view/Coastline.h"
#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"

namespace view {
namespace {

// North up, the same scale on both axes.
analysis::ChartView SquareView(double centreLat, double centreLon, double pxPerMinute, int width,
                               int height) {
  analysis::ChartView view;
  view.centreLat = centreLat;
  view.centreLon = centreLon;
  view.pxPerMinuteLat = view.pxPerMinuteLon = pxPerMinute;
  view.mapWidth = width;
  view.mapHeight = height;
  return view;
}

TEST(ChartProjector, SamePixelsAsTheSharedProjection) {
  std::mt19937 random(7);
  std::uniform_real_distribution<double> offset(-3, 3);
  for (const bool northUp : {true, false}) {
    for (const int wind : {0, 37, 90, 200, 359}) {
      analysis::ChartView view;
      view.centreLat = 2100.123;
      view.centreLon = 8201.456;
      view.pxPerMinuteLat = 731.3;
      view.pxPerMinuteLon = 598.77;
      view.zoomFactor = wind % 2 ? 1.5 : 1.0;
      view.mapWidth = 1285;
      view.mapHeight = 971;
      view.northUp = northUp;
      view.windDirection = wind;
      const ChartProjector project(view);
      for (int k = 0; k < 2000; ++k) {
        const double lat = view.centreLat + offset(random);
        const double lon = view.centreLon + offset(random);
        const analysis::ChartPoint expected = analysis::ProjectToChart(lat, lon, view);
        ASSERT_EQ(project.Pixel(lat, lon), (Point{expected.x, expected.y}))
            << lat << " " << lon << " " << wind;
      }
      // Exactly on a half pixel: halves go to the even neighbour.
      if (northUp) {
        const double lat = view.centreLat - 0.5 / view.pxPerMinuteLat / view.zoomFactor;
        EXPECT_EQ(project.Pixel(lat, view.centreLon).y,
                  analysis::ProjectToChart(lat, view.centreLon, view).y);
      }
    }
  }
}

TEST(ChartProjector, PixelRoundingIsTheSharedRounding) {
  // Whole and half pixels, their neighbours, the bounds of the quick way, beyond them, and not a number.
  std::vector<double> values = {0.0,         -0.0,         1e-300, 1e8 + 0.5, -1e8 - 0.5,
                                999999999.4, -999999999.6, 1e9,    -1e9};
  for (const double far : {3e9, 1e300, std::numeric_limits<double>::infinity()}) {
    values.push_back(far);
    values.push_back(-far);
  }
  values.push_back(std::numeric_limits<double>::quiet_NaN());
  for (int n = -2000; n <= 2000; ++n) {
    const double half = n + 0.5;
    for (const double v : {half, std::nextafter(half, -1e9), std::nextafter(half, 1e9), n + 0.25, n - 0.75})
      values.push_back(v);
  }
  for (const double v : values) EXPECT_EQ(RoundToPixel(v), race::RoundToInt(v)) << v;
}

TEST(ChartProjector, TrackPixelsLeaveOutRepeatsOfThePixelBefore) {
  race::RaceStore store = viewtest::EmptyRace();
  std::mt19937 random(11);
  std::uniform_int_distribution<int> drift(-1, 1);
  std::vector<viewtest::Fix> fixes;
  double lat = 2100, lon = 8200;
  for (int k = 0; k < 3000; ++k) {
    lat += drift(random) * 0.0004;  // about a third of a pixel: many fixes share one
    lon += drift(random) * 0.0004;
    fixes.push_back({static_cast<double>(k), lat, lon, 0, 5});
  }
  const int boat = viewtest::AddBoat(store, "A", 0, fixes);
  const int none = viewtest::AddBoat(store, "B", 0, {});
  analysis::ChartView view = SquareView(2100, 8200, 800, 1000, 800);
  for (const bool northUp : {true, false}) {
    view.northUp = northUp;
    view.windDirection = 37;
    const ChartProjector project(view);
    std::vector<Point> expected;
    for (int j = 1; j <= store.fixCount[boat]; ++j)
      AppendDistinct(expected, project.Pixel(store.trackLat[boat][j], store.trackLon[boat][j]));
    std::vector<Point> track = {{5, 5}};  // whatever was there before is replaced
    project.TrackPixels(store, boat, track);
    EXPECT_EQ(track, expected);
    EXPECT_LT(track.size(), fixes.size() * 3 / 4);
    project.TrackPixels(store, none, track);
    EXPECT_TRUE(track.empty());
  }
}

TEST(Coastline, PolylinesBreakAtFlaggedPointsAndOffChartStretchesAreLeftOut) {
  race::RaceStore store = viewtest::EmptyRace();
  store.coastLat = {0, 20000 + 2000.0, 2000.0, 2000.1, 20000 + 2000.2, 2000.3, 2003, 2004, 2000.3};
  store.coastLon = {0, 8000.0, 8000.1, 8000.1, 8000.0, 8000.0, 8000, 8000, 8000.1};
  store.coastCount = 8;
  const analysis::ChartView view = SquareView(2000.15, 8000.05, 2000, 1000, 1000);
  RecordingCanvas canvas(1000, 1000);
  DrawCoastline(canvas, store, view);
  const std::vector<DrawCall> lines = canvas.CallsOf(CallKind::Polyline);
  // First polyline: three points. Second: runs up off the chart (2003 -> 2004 is left out) and back.
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].points.size(), 3u);
  EXPECT_EQ(lines[0].points[0], (Point{400, 800}));
  EXPECT_EQ(lines[1].points.size(), 3u);  // 2000.2 -> 2000.3 -> 2003 (leaves the chart)
  EXPECT_EQ(lines[2].points.size(), 2u);  // 2004 -> 2000.3 (comes back)
  EXPECT_EQ(lines[2].points[1], (Point{600, 200}));
}

}  // namespace
}  // namespace view
