// The course from the fleet's turns: which turns make a mark, which are tacks, and the order most boats
// sailed.
#include <gtest/gtest.h>

#include <vector>

#include "inference/Marks.h"
#include "inference/Turns.h"

namespace inference {
namespace {

std::vector<Rounding> Sailed(std::vector<int> marks) {
  std::vector<Rounding> sailed;
  int second = 0;
  for (int m : marks) sailed.push_back({m, second += 100});
  return sailed;
}

TEST(ConsensusCourse, MostBoatsDecideOverExtraAndMissingRoundings) {
  // Windward 0, leeward 1, two laps. One boat circled the windward mark once more, one retired after a lap,
  // one was seen at a third place that nobody else rounded.
  const std::vector<int> laps = {0, 1, 0, 1};
  const std::vector<std::vector<Rounding>> fleet = {Sailed(laps), Sailed(laps), Sailed({0, 0, 1, 0, 1}),
                                                    Sailed({0, 1}), Sailed({0, 2, 1, 0, 1})};
  EXPECT_EQ(ConsensusCourse(fleet, 3), laps);
  // With a strict majority of two boats out of two, both must hold the course.
  EXPECT_EQ(ConsensusCourse({Sailed({0, 1, 0}), Sailed({0, 1})}, 2), (std::vector<int>{0, 1}));
  EXPECT_TRUE(ConsensusCourse({Sailed({0}), Sailed({1})}, 2).empty());
}

Turn TurnAt(int boat, double x, double y, double before, double after) {
  return Turn{boat, 0, {x, y}, before, after, 0};
}

TEST(TurnClusters, AMarkIsWhereEnoughBoatsTurnTogether) {
  std::vector<Turn> turns;
  for (int b = 0; b < 4; ++b) turns.push_back(TurnAt(b, 1000 + 5 * b, 2000 - 3 * b, 0, 170));  // the mark
  turns.push_back(TurnAt(0, 300, 400, 45, 315));  // tacks far apart
  turns.push_back(TurnAt(1, 600, 900, 315, 45));
  turns.push_back(TurnAt(2, 620, 905, 315, 45));  // two boats tacking together are not enough
  const auto marks = TurnClusters(turns, 4, 3);
  ASSERT_EQ(marks.size(), 1u);
  // Boats turning from north to south round the buoy on their inside: south of the turns' apexes.
  EXPECT_NEAR(marks[0].x, 1008, 3);
  EXPECT_NEAR(marks[0].y, 1989, 3);
}

TEST(IsTack, OnlyATurnThroughTheWindFromCloseHauledToCloseHauled) {
  const double wind = 200;
  EXPECT_TRUE(IsTack(TurnAt(0, 0, 0, 155, 245), wind));  // port to starboard through 200
  EXPECT_TRUE(IsTack(TurnAt(0, 0, 0, 250, 150), wind));
  EXPECT_FALSE(IsTack(TurnAt(0, 0, 0, 155, 20), wind));   // windward mark: bearing away to run
  EXPECT_FALSE(IsTack(TurnAt(0, 0, 0, 20, 245), wind));   // leeward mark: run to beat
  EXPECT_FALSE(IsTack(TurnAt(0, 0, 0, 290, 110), wind));  // a reach to a reach: a gybe mark
  EXPECT_TRUE(IsTack(TurnAt(0, 0, 0, 355, 45), 20));      // through north
}

}  // namespace
}  // namespace inference
