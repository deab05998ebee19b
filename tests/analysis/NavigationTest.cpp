// Bearings, rotation, polar offsets, ranges and the projection round trip.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Navigation.h"

namespace analysis {
namespace {

TEST(Bearing, CompassPointsAndQuadrants) {
  EXPECT_DOUBLE_EQ(Bearing(0, -1), 0);
  EXPECT_DOUBLE_EQ(Bearing(1, 0), 90);
  EXPECT_DOUBLE_EQ(Bearing(0, 1), 180);
  EXPECT_DOUBLE_EQ(Bearing(-1, 0), 270);
  EXPECT_DOUBLE_EQ(Bearing(0, 0), 0);
  EXPECT_DOUBLE_EQ(Bearing(-1, -1), 315);
  EXPECT_DOUBLE_EQ(Bearing(1, 1), 135);
  EXPECT_DOUBLE_EQ(Bearing(-1, 1), 225);
}

TEST(Bearing, NeverReaches360) {
  // A vector a hair west of north: atan gives -0.0..., +360 must not stay at 360.
  const double b = Bearing(-1e-300, -1);
  EXPECT_GE(b, 0);
  EXPECT_LT(b, 360);
}

TEST(Rotate, NorthUpIsIdentityAndWindUpTurns) {
  for (double angle : {0.0, 1.0, -2.5, 3.14}) {
    const Offset r = Rotate(12, -7, angle, true);
    EXPECT_EQ(r.x, 12);
    EXPECT_EQ(r.y, -7);
  }
  const Offset quarter = Rotate(100, 0, std::acos(-1.0) / 2, false);
  EXPECT_NEAR(quarter.x, 0, 1e-9);
  EXPECT_NEAR(quarter.y, 100, 1e-9);
}

TEST(PolarOffset, DirectionsAndWrap) {
  const Offset east = PolarOffset(90);
  EXPECT_NEAR(east.x, 600, 1e-9);
  EXPECT_NEAR(east.y, 0, 1e-9);
  const Offset up = PolarOffset(0);
  EXPECT_NEAR(up.x, 0, 1e-9);
  EXPECT_NEAR(up.y, -600, 1e-9);
  const Offset wrapped = PolarOffset(-200);
  const Offset same = PolarOffset(160);
  EXPECT_NEAR(wrapped.x, same.x, 1e-9);
  EXPECT_NEAR(wrapped.y, same.y, 1e-9);
}

TEST(RangeAndBearing, OneMinuteNorthWithWesterlyVariation) {
  const RangeBearing rb = RangeAndBearing({2000, 8000}, {2001, 8000}, 0.5, -7);
  EXPECT_NEAR(rb.rangeMetres, 1852, 1e-6);
  EXPECT_NEAR(rb.rangeBearingMag, 7, 1e-9);
  const RangeBearing east = RangeAndBearing({0, 0}, {0, 1}, 0.5, 10);
  EXPECT_NEAR(east.rangeMetres, 926, 1e-9);
  EXPECT_NEAR(east.rangeBearingMag, 80, 1e-9);
  const RangeBearing wrap = RangeAndBearing({0, 0}, {1, 0}, 1, 10);  // 0 - 10 -> 350
  EXPECT_NEAR(wrap.rangeBearingMag, 350, 1e-9);
}

ChartView View(bool northUp, int wind) {
  ChartView v;
  v.centreLat = 2100;
  v.centreLon = 8200;
  v.pxPerMinuteLat = 100;
  v.pxPerMinuteLon = 80;
  v.mapWidth = 801;
  v.mapHeight = 600;
  v.northUp = northUp;
  v.windDirection = wind;
  return v;
}

TEST(ProjectToChart, NorthUpAndHalfPixelCentre) {
  const ChartView v = View(true, 90);
  const ChartPoint centre = ProjectToChart(2100, 8200, v);
  EXPECT_EQ(centre.x, 400);  // 400.5 rounds to the even neighbour
  EXPECT_EQ(centre.y, 300);
  const ChartPoint ne = ProjectToChart(2101, 8201, v);
  EXPECT_EQ(ne.x, 480);  // 480.5 -> 480
  EXPECT_EQ(ne.y, 200);
}

TEST(ProjectToChart, WindUpPutsEastwardPointAboveCentreWhenWindIsEast) {
  ChartView v = View(false, 90);
  v.mapWidth = 800;
  const ChartPoint p = ProjectToChart(2100, 8200 + 100.0 / 80, v);
  EXPECT_EQ(p.x, 400);
  EXPECT_EQ(p.y, 200);
}

TEST(ChartToPosition, InvertsTheProjectionInBothOrientations) {
  for (bool northUp : {true, false}) {
    ChartView v = View(northUp, 37);
    v.zoomFactor = 2.5;
    const ChartPoint p = ProjectToChart(2100.3, 8199.6, v);
    const Position back = ChartToPosition(p.x, p.y, v);
    EXPECT_NEAR(back.lat, 2100.3, 0.01) << northUp;
    EXPECT_NEAR(back.lon, 8199.6, 0.01) << northUp;
  }
}

}  // namespace
}  // namespace analysis
