// The square chart fit, its fallbacks for races without fixes, and the sun estimate.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "analysis/ChartFit.h"
#include "analysis/Navigation.h"

namespace analysis {
namespace {

void AddBoat(race::RaceStore& store, std::vector<std::array<double, 3>> fixes) {
  const int b = ++store.boatCount;
  store.trackTime.resize(b + 2);
  store.trackLat.resize(b + 2);
  store.trackLon.resize(b + 2);
  store.trackTime[b] = {0};
  store.trackLat[b] = {0};
  store.trackLon[b] = {0};
  for (const auto& f : fixes) {
    store.trackTime[b].push_back(f[0]);
    store.trackLat[b].push_back(f[1]);
    store.trackLon[b].push_back(f[2]);
  }
  store.fixCount[b] = static_cast<int>(fixes.size());
}

TEST(FitChart, SquaresTheLongitudeSpanAt35NorthAndKeepsOneScaleInBothDirections) {
  race::RaceStore store;
  store.timelineStart = -100;
  store.timelineEnd = 1000;
  const double mid = 35 * 60;
  AddBoat(store, {{0, mid - 5, 8000}, {10, mid + 5, 8010}, {2000, mid + 50, 9000}});  // last fix is outside
  const ChartFit fit = FitChart(store, 1000, 600);
  EXPECT_DOUBLE_EQ(fit.trackMaxLat, mid + 5);
  EXPECT_DOUBLE_EQ(fit.trackMaxLon, 8010);
  EXPECT_DOUBLE_EQ(fit.midLat, mid);
  EXPECT_NEAR(fit.chartSpanLat, 12, 1e-9);
  EXPECT_NEAR(fit.chartSpanLon, 12 / std::cos(35 * std::acos(-1.0) / 180), 1e-9);
  EXPECT_NEAR(fit.chartSpanLon, 14.649, 1e-3);
  EXPECT_NEAR(fit.pxPerMinuteLat, 50, 1e-9);
  EXPECT_NEAR(fit.overviewPxPerMinuteLat, 170 / 12.0, 1e-9);
  // A wide chart: 400 px east covers as many metres as 400 px north.
  const double metresEast = 400 / fit.pxPerMinuteLon * fit.metresPerMinuteLon();
  const double metresNorth = 400 / fit.pxPerMinuteLat * kMetresPerMinuteLat;
  EXPECT_NEAR(metresEast, metresNorth, 1e-6);
  EXPECT_NEAR(FitChart(store, 600, 1000).pxPerMinuteLat, 50, 1e-9);  // a tall one: the width sets the scale
}

TEST(FitChart, WideAreaStretchesTheLatitudeSpan) {
  race::RaceStore store;
  store.timelineEnd = 100;
  AddBoat(store, {{0, 0, 0}, {1, 1, 20}});
  const ChartFit fit = FitChart(store, 100, 100);
  EXPECT_NEAR(fit.chartSpanLon, 24, 1e-9);
  EXPECT_NEAR(fit.chartSpanLat, 24 * fit.cosMidLatitude, 1e-9);
}

TEST(FitChart, NoFixInsideTheWindowFallsBackToMarksAndLines) {
  race::RaceStore store;
  store.timelineEnd = 100;
  AddBoat(store, {{500, 2000, 8000}});
  store.markCount = 1;
  store.markLat[1] = 2100;
  store.markLon[1] = 8200;
  store.lineCount = 1;
  store.lineLat1[1] = 2090;
  store.lineLon1[1] = 8190;
  store.lineLat2[1] = 2091;
  store.lineLon2[1] = 8191;
  const ChartFit fit = FitChart(store, 800, 600);
  EXPECT_DOUBLE_EQ(fit.trackMinLat, 2090);
  EXPECT_DOUBLE_EQ(fit.trackMaxLon, 8200);
  EXPECT_GT(fit.chartSpanLat, 0);
  EXPECT_GT(fit.pxPerMinuteLon, 0);
}

TEST(FitChart, EmptyRaceAndSinglePointStayFinite) {
  race::RaceStore empty;
  const ChartFit round = FitChart(empty, 800, 600);
  EXPECT_DOUBLE_EQ(round.midLat, 0);
  EXPECT_DOUBLE_EQ(round.midLon, 0);
  EXPECT_GT(round.chartSpanLat, 0);
  EXPECT_TRUE(std::isfinite(round.pxPerMinuteLat));

  race::RaceStore point;
  point.timelineEnd = 10;
  AddBoat(point, {{0, 2000, 8000}, {1, 2000, 8000}});
  const ChartFit fit = FitChart(point, 800, 600);
  EXPECT_GT(fit.chartSpanLat, 0);
  EXPECT_TRUE(std::isfinite(fit.pxPerMinuteLon));
  EXPECT_DOUBLE_EQ(fit.midLat, 2000);
}

// Sunrise and sunset from the sun's real path: a Japanese race sees the same day it always did, a northern
// summer evening stays light, and the poles keep their night or their midnight sun.
TEST(EstimateSun, RealSunriseAndSunsetAtTheRaceAndOnItsClock) {
  const double equinox = 39896;  // 2009-03-24
  const SunEstimate toba =
      EstimateSun(34.48 * 60, 136.84 * 60, equinox + (10 * 3600 + 30 * 60 + 15) / 86400.0, 9);
  EXPECT_NEAR(toba.sunriseSecond, 5 * 3600 + 48 * 60, 5 * 60);  // about 05:48 and 18:03 there
  EXPECT_NEAR(toba.sunsetSecond, 18 * 3600 + 3 * 60, 5 * 60);
  EXPECT_DOUBLE_EQ(toba.raceStartSecondOfDay, 37815);

  const double july = 45108;  // 2023-07-01, Hamburg on CEST
  const SunEstimate hamburg = EstimateSun(53.55 * 60, 9.99 * 60, july + 0.5, 2);
  EXPECT_NEAR(hamburg.sunriseSecond, 4 * 3600 + 53 * 60, 5 * 60);
  EXPECT_NEAR(hamburg.sunsetSecond, 21 * 3600 + 52 * 60, 5 * 60);
  EXPECT_GT(hamburg.sunsetSecond - 3600, 19 * 3600 + 58 * 60);  // 19:58 is broad daylight

  const SunEstimate arctic = EstimateSun(78 * 60, 15 * 60, july, 2);
  EXPECT_LT(arctic.sunriseSecond, 0);
  EXPECT_GT(arctic.sunsetSecond, 86400);
  const SunEstimate winter = EstimateSun(78 * 60, 15 * 60, 45280, 1);  // 2023-12-18
  EXPECT_DOUBLE_EQ(winter.sunriseSecond, winter.sunsetSecond);
}

TEST(DayOfYear, LeapYearsAndYearEnds) {
  EXPECT_EQ(DayOfYear(2), 1);           // 1900-01-01
  EXPECT_EQ(DayOfYear(45108.5), 182);   // 2023-07-01
  EXPECT_EQ(DayOfYear(45474), 183);     // 2024-07-01, leap year
  EXPECT_EQ(DayOfYear(45291.99), 365);  // 2023-12-31
}

}  // namespace
}  // namespace analysis
