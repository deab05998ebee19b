// The prepared projection must put every point on the very pixel the one-point projection gives, in both
// orientations and at any zoom, or tracks and boats would drift apart from marks by a pixel.
#include <gtest/gtest.h>

#include <random>

#include "view/ChartProjector.h"
#include "view/Coastline.h"
#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"

namespace view {
namespace {

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
        ASSERT_EQ(project.Pixel(lat, lon), (Point{expected.x, expected.y})) << lat << " " << lon << " " << wind;
      }
      // Exactly on a half pixel: halves go to the even neighbour.
      if (northUp) {
        const double lat = view.centreLat - 0.5 / view.pxPerMinuteLat / view.zoomFactor;
        EXPECT_EQ(project.Pixel(lat, view.centreLon).y, analysis::ProjectToChart(lat, view.centreLon, view).y);
      }
    }
  }
}

TEST(Coastline, PolylinesBreakAtFlaggedPointsAndOffChartStretchesAreLeftOut) {
  race::RaceStore store = viewtest::EmptyRace();
  store.coastLat = {0, 20000 + 2000.0, 2000.0, 2000.1, 20000 + 2000.2, 2000.3, 2003, 2004, 2000.3};
  store.coastLon = {0, 8000.0, 8000.1, 8000.1, 8000.0, 8000.0, 8000, 8000, 8000.1};
  store.coastCount = 8;
  analysis::ChartView view;
  view.centreLat = 2000.15;
  view.centreLon = 8000.05;
  view.pxPerMinuteLat = view.pxPerMinuteLon = 2000;
  view.mapWidth = 1000;
  view.mapHeight = 1000;
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
