// The shape of a leg: a bend round a passing mark the whole fleet makes, against tacks, gybes and boats
// that bend wherever they like; and the wind read from a beat but not from a bend.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "inference/Bends.h"
#include "inference/Wind.h"

namespace inference {
namespace {

constexpr double kSpeed = 4;  // metres a second

// A boat's way: from its start, a heading held for a number of seconds, then the next.
struct Stretch {
  double heading = 0;
  int seconds = 0;
};

// Boats sailing the stretches one after another from (lane, 0), each lane metres beside the last, once a
// second.
FleetGrid Sail(int boats, double lane, const std::vector<std::vector<Stretch>>& ways) {
  FleetGrid grid;
  for (int b = 0; b < boats; ++b) {
    const auto& way = ways[ways.size() == 1 ? 0 : b];
    Point at{b * lane, 0};
    std::vector<Point> track{at};
    for (const Stretch& s : way) {
      for (int i = 0; i < s.seconds; ++i) {
        const double r = s.heading * std::numbers::pi / 180;
        at = {at.x + kSpeed * std::sin(r), at.y + kSpeed * std::cos(r)};
        track.push_back(at);
      }
    }
    grid.count = static_cast<int>(track.size());
    grid.at.push_back(track);
    grid.has.push_back(std::vector<char>(track.size(), 1));
  }
  return grid;
}

std::vector<int> All(int boats, int second) {
  return std::vector<int>(boats, second);
}

TEST(FleetBend, APassingMarkIsWhereEveryBoatChangesCourse) {
  // North 600 m, then 35 degrees to starboard for 800 m: the mark at the bend.
  const FleetGrid grid = Sail(4, 6, {{{0, 150}, {35, 200}}});
  const auto bend = FleetBend(grid, All(4, 0), All(4, 350), 3, 60);
  ASSERT_TRUE(bend);
  EXPECT_NEAR(bend->at.x, 9, 10);
  EXPECT_NEAR(bend->at.y, 600, 10);
  for (int second : bend->second) EXPECT_NEAR(second, 150, 3);

  // A straight leg, and boats bending a long way apart, show no mark.
  EXPECT_FALSE(FleetBend(Sail(4, 6, {{{10, 350}}}), All(4, 0), All(4, 350), 3, 60));
  const FleetGrid scattered =
      Sail(4, 6, {{{0, 60}, {35, 290}}, {{0, 110}, {35, 240}}, {{0, 160}, {35, 190}}, {{0, 210}, {35, 140}}});
  EXPECT_FALSE(FleetBend(scattered, All(4, 0), All(4, 350), 3, 60));
}

TEST(FleetBend, TacksAndGybesAreNoMarks) {
  // A beat: one long tack, then the other to the mark; the turn is far too big for a passing mark.
  EXPECT_FALSE(FleetBend(Sail(4, 6, {{{315, 150}, {45, 150}}}), All(4, 0), All(4, 300), 3, 60));
  // A run gybed once: 40 degrees apart, like a bend, but onto the other gybe when the wind is known.
  const FleetGrid run = Sail(4, 6, {{{160, 150}, {200, 150}}});
  EXPECT_TRUE(FleetBend(run, All(4, 0), All(4, 300), 3, 60));
  EXPECT_FALSE(FleetBend(run, All(4, 0), All(4, 300), 3, 60, 0.0));
  // A reach bent round a passing mark keeps its tack.
  EXPECT_TRUE(FleetBend(Sail(4, 6, {{{60, 150}, {100, 150}}}), All(4, 0), All(4, 300), 3, 60, 0.0));
}

TEST(WindFromTacks, ABeatGivesTheWindABendDoesNot) {
  const auto leg = [](const FleetGrid& grid, int boats, int seconds) {
    LegSailing sailed;
    sailed.from = grid.at[0].front(), sailed.to = grid.at[0].back();
    sailed.enter = All(boats, 0), sailed.leave = All(boats, seconds);
    return std::vector<LegSailing>{sailed};
  };
  const FleetGrid beat = Sail(3, 6, {{{320, 100}, {40, 100}, {320, 100}, {40, 100}}});
  const auto wind = WindFromTacks(beat, leg(beat, 3, 400));
  ASSERT_TRUE(wind);
  EXPECT_NEAR(*wind, 0, 3);
  // 40 degrees between the headings: no boat tacks that close; the leg bends.
  const FleetGrid bent = Sail(3, 6, {{{0, 150}, {40, 150}}});
  EXPECT_FALSE(WindFromTacks(bent, leg(bent, 3, 300)));
}

}  // namespace
}  // namespace inference
