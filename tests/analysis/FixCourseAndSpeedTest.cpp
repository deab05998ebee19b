// Per-fix course and smoothed speed: short tracks, standing boats, equal times, the speed ceiling.
#include <gtest/gtest.h>

#include <cmath>

#include "RaceBuilder.h"
#include "analysis/FixCourseAndSpeed.h"

namespace analysis {
namespace {

using analysistest::AddBoat;
using analysistest::Fix;

constexpr double kMinutesPerKnotSecond = 1.0 / 3600;  // one knot moves a minute of latitude an hour

TEST(ComputeFixCourseAndSpeed, FiveFixesGetNothing) {
  race::RaceStore store;
  AddBoat(store, {{0, 0, 0}, {10, 1, 0}, {20, 2, 0}, {30, 3, 0}, {40, 4, 0}});
  ComputeFixCourseAndSpeed(store, 1);
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(store.trackCourse[1][i], 0);
    EXPECT_EQ(store.trackSpeed[1][i], 0);
  }
  EXPECT_EQ(store.maxBoatSpeed, 0);
}

TEST(ComputeFixCourseAndSpeed, SteadyCourseAndSpeedWithLastFixLeftZero) {
  race::RaceStore store;
  std::vector<Fix> fixes;
  const double step = 6.3 * 10 * kMinutesPerKnotSecond;  // 6.3 knots east for 10 s at the equator
  for (int i = 0; i < 8; ++i) fixes.push_back({i * 10.0, 0, i * step});
  AddBoat(store, fixes);
  ComputeFixCourseAndSpeed(store, 1);
  for (int i = 1; i <= 7; ++i) {
    EXPECT_EQ(store.trackCourse[1][i], 90) << i;
    EXPECT_NEAR(store.trackSpeed[1][i], 6.3, 1e-5) << i;
  }
  EXPECT_EQ(store.trackCourse[1][8], 0);
  EXPECT_EQ(store.trackSpeed[1][8], 0);
  EXPECT_NEAR(store.maxBoatSpeed, 6.3, 1e-9);
}

TEST(ComputeFixCourseAndSpeed, StandingBoatKeepsItsCourseButNotAtFixOne) {
  race::RaceStore still;
  AddBoat(still, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}});
  ComputeFixCourseAndSpeed(still, 1);
  EXPECT_EQ(still.trackCourse[1][1], 0);

  race::RaceStore store;
  AddBoat(store, {{0, 0, 0},
                  {10, 0.01, 0.01},
                  {20, 0.02, 0.02},
                  {30, 0.02, 0.02},
                  {40, 0.02, 0.02},
                  {50, 0.02, 0.02},
                  {60, 0.02, 0.02}});
  ComputeFixCourseAndSpeed(store, 1);
  EXPECT_EQ(store.trackCourse[1][1], 45);
  EXPECT_EQ(store.trackCourse[1][2], 45);
  for (int i = 3; i <= 6; ++i) EXPECT_EQ(store.trackCourse[1][i], 45) << i;
}

TEST(ComputeFixCourseAndSpeed, CourseJustWestOfNorthIsStoredAs360) {
  race::RaceStore store;
  const double angle = 359.6 * std::acos(-1.0) / 180;
  std::vector<Fix> fixes;
  for (int i = 0; i < 6; ++i)
    fixes.push_back({i * 10.0, i * std::cos(angle) * 0.01, i * std::sin(angle) * 0.01});
  AddBoat(store, fixes);
  ComputeFixCourseAndSpeed(store, 1);
  EXPECT_EQ(store.trackCourse[1][1], 360);
}

TEST(ComputeFixCourseAndSpeed, EqualTimesAndBurstsDoNotDivideByZeroOrScaleTheAxis) {
  race::RaceStore store;
  // Fixes 1..4 share one time: the windows of fixes 1 and 2 have zero total time.
  const double fast = 12 * 10 * kMinutesPerKnotSecond;
  AddBoat(store, {{0, 0, 0},
                  {0, 0.001, 0},
                  {0, 0.002, 0},
                  {0, 0.003, 0},
                  {10, 0.003 + fast, 0},
                  {20, 0.003 + 2 * fast, 0},
                  {30, 0.003 + 3 * fast, 0}});
  ComputeFixCourseAndSpeed(store, 1);
  EXPECT_EQ(store.trackSpeed[1][1], 0);
  EXPECT_EQ(store.trackSpeed[1][2], 0);
  // Fix 3: fixes 2..5 over 10 s.
  // Positions are kept to 1e-5 minute (under 2 cm), a few millimetres of the distance.
  EXPECT_NEAR(store.trackSpeed[1][3], (0.002 + fast) * 1852 / 10 * 3.6 / 1.852, 0.002);
  EXPECT_GT(store.trackSpeed[1][5], 10);
  EXPECT_EQ(store.maxBoatSpeed, 0);  // every window holds the 12-knot burst
}

}  // namespace
}  // namespace analysis
