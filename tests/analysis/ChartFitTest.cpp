// The square chart fit, its fallbacks for races without fixes, and the sun estimate.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "analysis/ChartFit.h"

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

TEST(FitChart, SquaresTheLongitudeSpanAt35North) {
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
  EXPECT_NEAR(fit.pxPerMinuteLon, 1000 / fit.chartSpanLon, 1e-9);
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

TEST(EstimateSun, EquinoxAt135EastAndFurtherEast) {
  // 24 March 2009 (day 83 of a common year), 10:30:15.
  const double day = 39896;  // 2009-03-24
  ASSERT_EQ(DayOfYear(day), 83);
  const SunEstimate at135 = EstimateSun(8100, day + (10 * 3600 + 30 * 60 + 15) / 86400.0, 9);
  EXPECT_DOUBLE_EQ(at135.sunriseSecond, 21600);
  EXPECT_DOUBLE_EQ(at135.sunsetSecond, 64800);
  EXPECT_DOUBLE_EQ(at135.raceStartSecondOfDay, 37815);
  const SunEstimate at139 = EstimateSun(8370, day, 9);
  EXPECT_DOUBLE_EQ(at139.sunriseSecond, 21600 - 2160);
  EXPECT_DOUBLE_EQ(at139.sunsetSecond, 64800);
}

// A race in Europe keeps its daylight: the clock's meridian follows the race's time difference, so a
// midsummer race at 10 E on a UTC+2 clock has its sun up well before and down well after midday.
TEST(EstimateSun, FollowsTheMeridianOfTheRaceClock) {
  const double midsummer = 45108;  // 2023-07-01
  const SunEstimate hamburg = EstimateSun(9.8 * 60, midsummer + 0.5, 2);
  EXPECT_LT(hamburg.sunriseSecond, 8 * 3600);
  EXPECT_GT(hamburg.sunsetSecond, 18 * 3600);
  const SunEstimate tokyo = EstimateSun(8100, midsummer + 0.5, 9);
  EXPECT_DOUBLE_EQ(hamburg.sunsetSecond, tokyo.sunsetSecond);
}

TEST(DayOfYear, LeapYearsAndYearEnds) {
  EXPECT_EQ(DayOfYear(2), 1);           // 1900-01-01
  EXPECT_EQ(DayOfYear(45108.5), 182);   // 2023-07-01
  EXPECT_EQ(DayOfYear(45474), 183);     // 2024-07-01, leap year
  EXPECT_EQ(DayOfYear(45291.99), 365);  // 2023-12-31
}

}  // namespace
}  // namespace analysis
