// The prepared projection must put every point on the very pixel the one-point projection gives, in both
// orientations and at any zoom, or tracks and boats would drift apart from marks by a pixel.
#include <gtest/gtest.h>

#include <random>

#include "race/Coastline.h"
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

// The polylines a coastline draws into the view.
std::vector<std::vector<Point>> CoastPolylines(const race::RaceStore& store,
                                               const analysis::ChartView& view) {
  RecordingCanvas canvas(view.mapWidth, view.mapHeight);
  DrawCoastline(canvas, store, view);
  std::vector<std::vector<Point>> lines;
  for (const DrawCall& call : canvas.CallsOf(CallKind::Polyline)) lines.push_back(call.points);
  return lines;
}

TEST(Coastline, PassingOverPiecesBeyondTheChartDrawsTheSamePicture) {
  // Two hundred wiggly pieces round a course, some crossing the chart, most beyond it; one holds a point
  // with no position.
  race::RaceStore store = viewtest::EmptyRace();
  std::mt19937 random(11);
  std::uniform_real_distribution<double> place(-6, 6), step(-0.05, 0.05);
  store.coastLat = {0};
  store.coastLon = {0};
  for (int piece = 0; piece < 200; ++piece) {
    double lat = 2100 + place(random), lon = 8200 + place(random);
    for (int k = 0; k < 60; ++k) {
      lat += step(random), lon += step(random);
      store.coastLat.push_back(k == 0 ? lat + kCoastStartFlag : piece == 7 && k == 30 ? std::nan("") : lat);
      store.coastLon.push_back(lon);
    }
  }
  store.coastCount = static_cast<int>(store.coastLat.size()) - 1;
  race::RaceStore unindexed = store;
  race::IndexCoastline(store);
  ASSERT_EQ(store.coastPieces.size(), 200u);

  int drawn = 0;
  for (const bool northUp : {true, false}) {
    for (const double pxPerMinute : {80.0, 400.0, 3000.0}) {
      analysis::ChartView view;
      view.centreLat = 2100.3;
      view.centreLon = 8199.2;
      view.pxPerMinuteLat = view.pxPerMinuteLon = pxPerMinute;
      view.mapWidth = 1285;
      view.mapHeight = 971;
      view.northUp = northUp;
      view.windDirection = 37;
      const auto lines = CoastPolylines(store, view);
      EXPECT_EQ(lines, CoastPolylines(unindexed, view))
          << pxPerMinute << (northUp ? " north-up" : " wind-up");
      drawn += static_cast<int>(lines.size());
    }
  }
  EXPECT_GT(drawn, 50);

  // Pieces that no longer match the points (a count cut by hand) are not trusted.
  store.coastCount -= 100;
  unindexed.coastCount -= 100;
  analysis::ChartView wide;
  wide.centreLat = 2100;
  wide.centreLon = 8200;
  wide.mapWidth = wide.mapHeight = 1000;
  wide.pxPerMinuteLat = wide.pxPerMinuteLon = 80;
  EXPECT_EQ(CoastPolylines(store, wide), CoastPolylines(unindexed, wide));
}

}  // namespace
}  // namespace view
