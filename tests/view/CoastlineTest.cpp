// Coastline drawing with the readers' index of polylines: the same picture as drawing every point.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "race/Coastline.h"
#include "view/Coastline.h"
#include "view/RaceBuilder.h"
#include "view/RecordingCanvas.h"

namespace view {
namespace {

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
