// Turns the whole fleet makes at one place that are no marks: tacks off a bank or on a layline, told from a
// gybe mark between two reaches, which looks the same turn for turn.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "inference/RaceInference.h"
#include "inference/Turns.h"

namespace inference {
namespace {

constexpr double kSpeed = 3;              // metres a second
constexpr double kGun = 45000 * 86400.0;  // seconds since 1899-12-30
constexpr int kMillSeconds = 300;

// Points reached by heading and distance from the last.
struct Stretch {
  double heading = 0;
  double metres = 0;
};

// Boats milling behind a line for five minutes, then from the gun each sailing the stretches from its own
// place on the line (lanes 10 m apart) and drifting after the last; a fix every two seconds.
Fleet SailedFleet(int boats, const std::vector<Stretch>& way) {
  Fleet fleet;
  fleet.originLat = 34.55 * 60, fleet.originLon = 136.87 * 60;
  fleet.cosLat = std::cos(34.55 * std::numbers::pi / 180);
  for (int b = 0; b < boats; ++b) {
    FleetBoat boat;
    boat.name = "Boat " + std::to_string(b);
    const auto add = [&](double t, Point p) { boat.time.push_back(kGun + t), boat.at.push_back(p); };
    for (int t = -kMillSeconds; t < 0; t += 2)
      add(t, {b * 10 + 40 * std::sin(t / 30.0 + b), -20 + 8 * std::sin(t / 50.0)});
    Point at = boat.at.back();
    double t = 0;
    for (const Stretch& s : way) {
      const double r = s.heading * std::numbers::pi / 180;
      for (double run = 0; run < s.metres; run += 2 * kSpeed, t += 2) {
        add(t, at);
        at = {at.x + 2 * kSpeed * std::sin(r), at.y + 2 * kSpeed * std::cos(r)};
      }
    }
    for (int drift = 0; drift < 300; drift += 2, t += 2) add(t, {at.x + drift * 0.1, at.y});
    fleet.boats.push_back(std::move(boat));
  }
  return fleet;
}

TEST(WindIfTacks, TheMiddleOfTurnsThatAreAllTacks) {
  const auto turn = [](int boat, double before, double after) {
    return Turn{boat, 0, {}, before, after, 90};
  };
  const auto wind = WindIfTacks({turn(0, 150, 250), turn(1, 245, 155), turn(2, 160, 240)});
  ASSERT_TRUE(wind);
  EXPECT_NEAR(*wind, 200, 2);
  EXPECT_NEAR(*WindIfTacks({turn(0, 330, 50)}), 10, 1);  // through north
  // A rounding among them, or none at all: no wind.
  EXPECT_FALSE(WindIfTacks({turn(0, 150, 250), turn(1, 20, 250)}));
  EXPECT_FALSE(WindIfTacks({}));
}

TEST(InferRace, TacksTheFleetMakesTogetherAreNoMarks) {
  // Wind from 200. The beat from the start: off on port at 150, everyone tacks off the bank onto 250 at one
  // place, and again on the layline to the windward mark; then a run back down on 20.
  const Fleet fleet = SailedFleet(4, {{150, 240}, {250, 420}, {150, 180}, {20, 900}});
  const InferredRace race = InferRace(fleet);
  ASSERT_EQ(race.course.size(), 1u);
  ASSERT_EQ(race.marks.size(), 1u);
  EXPECT_LE(std::fabs(TurnBetween(race.windDirection, 200)), 10);
}

TEST(InferRace, AGybeMarkBetweenTwoReachesStaysAMark) {
  // A first leg sailed in one tack, a reach on 135 to the wing mark, a gybe onto 225 and a reach to the
  // leeward mark, then the beat home. The wing mark's turns look like tacks of a wind from 180; the first leg
  // shows none.
  const Fleet fleet = SailedFleet(4, {{0, 900}, {135, 600}, {225, 600}, {0, 600}});
  const InferredRace race = InferRace(fleet);
  EXPECT_GE(race.course.size(), 3u);
  EXPECT_LE(std::fabs(TurnBetween(race.windDirection, 0)), 10);
}

}  // namespace
}  // namespace inference
