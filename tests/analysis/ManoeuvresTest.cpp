// Tacks and gybes from tracks sailed in code: found where the course crosses the wind and holds, not where
// a run wobbles about dead downwind or before the start; the cost against sailing on as before.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/Manoeuvres.h"
#include "analysis/PlaneRace.h"

namespace analysis {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKnot = 1852.0 / 3600;

// A track sailed at one fix a second from heading and speed (knots) given for each second.
template <typename Plan>
std::vector<analysistest::Fix> Sail(double from, double to, Plan plan) {
  std::vector<analysistest::Fix> fixes;
  double east = 0, north = 0;
  for (double t = from; t <= to; t += 1) {
    fixes.push_back(analysistest::At(t, east, north));
    const auto [heading, knots] = plan(t);
    east += std::sin(heading * kPi / 180) * knots * kKnot;
    north += std::cos(heading * kPi / 180) * knots * kKnot;
  }
  return fixes;
}

struct Course {
  double heading, knots;
};

// Close-hauled on starboard (45 deg off a northerly), a tack through 90 deg over 8 s at t0 losing speed to
// 2 kn, back to 6 kn over 20 s on port.
Course Beat(double t, double t0) {
  if (t < t0 - 4) return {45, 6};
  if (t < t0 + 4) return {45 - (t - (t0 - 4)) * 90 / 8, 6 - (t - (t0 - 4)) / 2};
  return {315, std::min(6.0, 2 + (t - (t0 + 4)) / 5)};
}

TEST(DetectManoeuvres, ATackIsFoundAtItsCrossingWithItsSpeedsAndCost) {
  race::RaceStore store = analysistest::WindwardReturn();
  const int b = analysistest::AddBoat(store, Sail(-60, 300, [](double t) { return Beat(t, 100); }));
  analysistest::SetPassings(store, b, {0});
  const std::vector<Manoeuvre> found = DetectManoeuvres(store, b);
  ASSERT_EQ(found.size(), 1u);
  const Manoeuvre& m = found[0];
  EXPECT_EQ(m.kind, ManoeuvreKind::Tack);
  EXPECT_NEAR(m.seconds, 100, 2);
  EXPECT_NEAR(m.speedBefore, 6, 0.1);
  EXPECT_LT(m.speedLowest, 3);
  EXPECT_NEAR(m.speedAfter, 6, 0.3);
  // Sailing on, the boat would have made good 6 kn x cos 45 over the turn; it made far less. What it lost
  // is the way the slow seconds cost: about half its speed for ~20 s, some 20-40 m.
  EXPECT_GT(m.metresLost, 15);
  EXPECT_LT(m.metresLost, 45);
  EXPECT_GT(m.durationSeconds, 15);
  EXPECT_LE(m.durationSeconds, kSteadyToSeconds + kLongestManoeuvre);
}

TEST(DetectManoeuvres, AWobbleAboutDeadDownwindIsNoGybeButAHeldOneIs) {
  race::RaceStore store = analysistest::WindwardReturn();
  // Running south at 170 deg, then with the bow swinging 4 deg either side of dead downwind every 3 s, then a
  // real gybe from 160 to 200 deg at 205 s.
  auto run = [](double t) {
    if (t < 60) return Course{170, 7};
    if (t < 200) return Course{std::fmod(std::floor(t / 3), 2) == 0 ? 176.0 : 184.0, 7};
    if (t < 205) return Course{160, 7};
    return Course{200, 7};
  };
  const int b = analysistest::AddBoat(store, Sail(-30, 400, run));
  analysistest::SetPassings(store, b, {0});
  const std::vector<Manoeuvre> found = DetectManoeuvres(store, b);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].kind, ManoeuvreKind::Gybe);
  EXPECT_NEAR(found[0].seconds, 205, 3);
}

TEST(DetectManoeuvres, TurnsBeforeTheStartAndAfterTheFinishAreNotCounted) {
  race::RaceStore store = analysistest::WindwardReturn();
  // Tacks at -100 (before the start at 0) and at 300 (after a finish at 200).
  const int b = analysistest::AddBoat(store, Sail(-200, 400, [](double t) {
                                        return Course{t < -100 || t >= 300 ? 45.0 : 315.0, 6};
                                      }));
  analysistest::SetPassings(store, b, {0, 100, 200});
  EXPECT_TRUE(DetectManoeuvres(store, b).empty());
  EXPECT_TRUE(DetectManoeuvres(store, 7).empty());  // no such boat
}

TEST(DetectManoeuvres, TheWindFileDecidesWhatIsATack) {
  race::RaceStore store = analysistest::WindwardReturn();
  // Heading 90 then 150: in the race's northerly both lie on one side, no manoeuvre. In a wind file's
  // easterly (090 magnetic, variation 0) the bow crossed it: a tack.
  const int b = analysistest::AddBoat(store, Sail(-30, 300, [](double t) {
                                        return Course{t < 100 ? 45.0 : 135.0, 6};
                                      }));
  analysistest::SetPassings(store, b, {0});
  EXPECT_TRUE(DetectManoeuvres(store, b).empty());
  store.windCount = 2;
  store.windTime = {0, -100, 1000};
  store.windDir = {0, 90, 90};
  store.windSpeed = {0, 10, 10};
  const std::vector<Manoeuvre> found = DetectManoeuvres(store, b);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].kind, ManoeuvreKind::Tack);
  EXPECT_NEAR(TrueWindAt(store, 500), 90, 1e-9);
}

TEST(DetectManoeuvres, ACostIsLeftUnknownWhenARoundingFallsInsideIt) {
  race::RaceStore store = analysistest::WindwardReturn();
  const int b = analysistest::AddBoat(store, Sail(-60, 300, [](double t) { return Beat(t, 100); }));
  analysistest::SetPassings(store, b, {0, 95});  // "rounded" the mark during the tack
  const std::vector<Manoeuvre> found = DetectManoeuvres(store, b);
  ASSERT_EQ(found.size(), 1u);
  EXPECT_TRUE(std::isnan(found[0].metresLost));
  EXPECT_TRUE(std::isnan(found[0].durationSeconds));
  EXPECT_NEAR(found[0].speedBefore, 6, 0.1);
}

}  // namespace
}  // namespace analysis
