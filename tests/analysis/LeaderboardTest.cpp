// Race order: points passed first, then the way still to go measured along the wind on a beat or a run, so
// boats on opposite tacks compare fairly; finishers first in their order; gaps in metres and seconds.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Leaderboard.h"
#include "analysis/PlaneRace.h"

namespace analysis {
namespace {

using analysistest::At;

// A boat sailing straight from one point to another between two times, a fix a second.
std::vector<analysistest::Fix> Leg(double t0, double t1, double e0, double n0, double e1, double n1) {
  std::vector<analysistest::Fix> fixes;
  for (double t = t0; t <= t1; t += 1) {
    const double f = (t - t0) / (t1 - t0);
    fixes.push_back(At(t, e0 + (e1 - e0) * f, n0 + (n1 - n0) * f));
  }
  return fixes;
}

TEST(RankFleet, OnABeatTheWayUpTheWindCountsNotTheStraightDistance) {
  race::RaceStore store = analysistest::WindwardReturn();
  // Both started at the gun. Boat 1 is 600 m up but far out to the side; boat 2 is straight below the mark,
  // nearer to it in a straight line but only 500 m up the wind.
  const int wide = analysistest::AddBoat(store, Leg(-100, 200, -300, -50, -450, 600));
  const int middle = analysistest::AddBoat(store, Leg(-100, 200, 0, -50, 0, 500));
  analysistest::SetPassings(store, wide, {0});
  analysistest::SetPassings(store, middle, {0});
  const std::vector<LeaderboardRow> rows = RankFleet(store, 200);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].boat, wide);
  EXPECT_EQ(rows[1].boat, middle);
  EXPECT_EQ(rows[0].place, 1);
  EXPECT_NEAR(rows[0].metresToGo, 400 + 1000, 2);
  EXPECT_NEAR(rows[1].gapMetres, 100, 2);
  EXPECT_DOUBLE_EQ(rows[0].gapMetres, 0);
  // The leader made good 650 m up the wind in its last 300 s, so a little over 2 m/s over the last minute.
  EXPECT_NEAR(rows[1].gapSeconds, 100 / (650.0 / 300), 1);
  EXPECT_DOUBLE_EQ(rows[1].gapAtRounding, 0);  // both crossed the start at the gun
}

TEST(RankFleet, APointPassedOutranksDistanceAndFinishersComeFirstInTheirOrder) {
  race::RaceStore store = analysistest::WindwardReturn();
  const int rounded =
      analysistest::AddBoat(store, Leg(-10, 900, 0, -10, 0, 900));  // past the mark, running back
  const int close = analysistest::AddBoat(store, Leg(-10, 900, 5, -10, 5, 990));  // 10 m short of it
  analysistest::SetPassings(store, rounded, {0, 400});
  analysistest::SetPassings(store, close, {5});
  std::vector<LeaderboardRow> rows = RankFleet(store, 900);
  EXPECT_EQ(rows[0].boat, rounded);
  EXPECT_EQ(rows[0].pointsPassed, 2);
  EXPECT_EQ(rows[1].pointsPassed, 1);
  EXPECT_DOUBLE_EQ(rows[1].gapAtRounding, 5);  // five seconds after the first boat over the line

  // Later both finished, the second boat first: the order and gaps are the finish's.
  analysistest::SetPassings(store, rounded, {0, 400, 1500});
  analysistest::SetPassings(store, close, {5, 410, 1450});
  store.finishRank[rounded] = 2;
  store.finishRank[close] = 1;
  rows = RankFleet(store, 1600);
  EXPECT_EQ(rows[0].boat, close);
  EXPECT_TRUE(rows[0].finished);
  EXPECT_DOUBLE_EQ(rows[0].gapSeconds, 0);
  EXPECT_DOUBLE_EQ(rows[1].gapSeconds, 50);
  EXPECT_TRUE(std::isnan(rows[1].gapMetres));
  EXPECT_DOUBLE_EQ(rows[1].gapAtRounding, 50);

  // Between the two finishes the racing boat's gap is the metres it has still to go.
  rows = RankFleet(store, 1460);
  EXPECT_EQ(rows[0].boat, close);
  EXPECT_FALSE(rows[1].finished);
  EXPECT_NEAR(rows[1].gapMetres, rows[1].metresToGo, 1e-9);
  EXPECT_GT(rows[1].gapMetres, 0);
}

TEST(RankFleet, BoatsWithoutFixesComeLastAndNothingBreaksWithoutACourse) {
  race::RaceStore store = analysistest::WindwardReturn();
  const int empty = analysistest::AddBoat(store, {});
  const int sailing = analysistest::AddBoat(store, Leg(-10, 100, 0, -10, 0, 200));
  analysistest::SetPassings(store, sailing, {0});
  std::vector<LeaderboardRow> rows = RankFleet(store, 50);
  EXPECT_EQ(rows[0].boat, sailing);
  EXPECT_EQ(rows[1].boat, empty);
  EXPECT_TRUE(std::isnan(rows[1].gapSeconds) || std::isinf(rows[1].gapMetres));

  store.courseCount = 0;
  rows = RankFleet(store, 50);
  EXPECT_EQ(rows.size(), 2u);
}

}  // namespace
}  // namespace analysis
