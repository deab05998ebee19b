// Start and finish line crossings, mark roundings by closest approach, finish places and trimming.
#include <gtest/gtest.h>

#include "RaceBuilder.h"
#include "analysis/MarkPassings.h"
#include "race/InputError.h"

namespace analysis {
namespace {

using analysistest::AddBoat;
using analysistest::AddLine;
using analysistest::AddMark;
using analysistest::Fix;
using analysistest::NorthRace;
using analysistest::NorthTrack;
using analysistest::SetCourse;

constexpr double kStep = analysistest::kNorthStep;

TEST(DetectMarkPassings, LineTouchedAtAFixMarkByClosestApproachFinishInterpolated) {
  race::RaceStore store = NorthRace();
  AddBoat(store, NorthTrack(61));
  DetectMarkPassings(store);
  EXPECT_DOUBLE_EQ(store.markTime[1][1], 20);   // s1 = 0 at the fix on the line
  EXPECT_DOUBLE_EQ(store.markTime[1][2], 340);  // 0.15 minute abeam
  EXPECT_DOUBLE_EQ(store.markTime[1][3], 505);  // halfway between fixes 51 and 52
  EXPECT_EQ(store.finishRank[1], 1);
  EXPECT_DOUBLE_EQ(store.firstArrivalTime[3], 505);
}

TEST(DetectMarkPassings, FirstCrossingBetweenTheEndsIsTheStart) {
  race::RaceStore store = NorthRace();
  std::vector<Fix> track;
  // Crosses lat 100 west of the line (lon -1), comes back south, then crosses twice between the ends.
  track.push_back({0, 99.875, -1});
  track.push_back({10, 100.125, -1});
  track.push_back({20, 99.875, 0.25});
  track.push_back({30, 100.125, 0.25});  // accepted: 25 s
  track.push_back({40, 99.875, 0.25});   // second crossing, ignored
  for (int i = 0; i < 60; ++i) track.push_back({50 + i * 10.0, 100.125 + i * kStep, 0.5});
  AddBoat(store, track);
  DetectMarkPassings(store);
  EXPECT_DOUBLE_EQ(store.markTime[1][1], 25);
}

TEST(DetectMarkPassings, StartCrossingMustComeInTheFirstFifthOfTheTimeLine) {
  race::RaceStore store = NorthRace();
  store.timelineEnd = 400;  // a fifth is 80 s: a track that begins at 100 s is past it at its first fix
  AddBoat(store, NorthTrack(61, 100));
  DetectMarkPassings(store);
  EXPECT_EQ(store.markTime[1][1], race::kNotPassed);
  EXPECT_DOUBLE_EQ(store.markTime[1][2], 440);  // the mark is still looked for from the gun on
}

TEST(DetectMarkPassings, SharedPlacesThenFinishersThatMissedAPointThenNonFinishers) {
  race::RaceStore store = NorthRace();
  AddBoat(store, NorthTrack(61, 30));        // finishes at 535
  AddBoat(store, NorthTrack(61));            // 505
  AddBoat(store, NorthTrack(61));            // 505, same second
  AddBoat(store, NorthTrack(40));            // never reaches the finish
  AddBoat(store, NorthTrack(61, -30, 0.9));  // first over the finish line, but 0.25 minute wide of the mark
  DetectMarkPassings(store);
  EXPECT_EQ(store.finishRank[2], 1);
  EXPECT_EQ(store.finishRank[3], 1);
  EXPECT_EQ(store.finishRank[1], 3);
  EXPECT_EQ(store.markTime[4][3], race::kNotPassed);
  // Leaving out the mark: the finish is kept (with its time, trimming and distances), placed after the boats
  // that sailed the course, and the boat shows what it missed.
  EXPECT_DOUBLE_EQ(store.markTime[5][1], -10);
  EXPECT_EQ(store.markTime[5][2], race::kNotPassed);
  EXPECT_DOUBLE_EQ(store.markTime[5][3], 475);
  EXPECT_EQ(store.finishRank[5], 4);
  EXPECT_EQ(MissedPoints(store, 5), std::vector<int>{2});
  EXPECT_TRUE(MissedPoints(store, 1).empty());
  EXPECT_EQ(store.finishRank[4], 5);
  EXPECT_DOUBLE_EQ(store.firstArrivalTime[3], 505);  // a finish after a missed point is no first arrival
  TrimAfterFinish(store);
  EXPECT_EQ(store.fixCount[5], 57);
  EXPECT_DOUBLE_EQ(store.firstArrivalTime[2], 340);  // ties go to the lower boat number; same time
}

TEST(DetectMarkPassings, LaterPointsAreLookedForOnlyAfterTheGun) {
  race::RaceStore store = NorthRace();
  AddMark(store, 100.5, 0.5);  // MK2, just past the start line
  SetCourse(store, {"L1", "MK2", "L2"});
  AddBoat(store, NorthTrack(61, -200));  // over the line at -180, past MK2 at -100: all before the gun
  AddBoat(store, NorthTrack(61));
  DetectMarkPassings(store);
  EXPECT_DOUBLE_EQ(store.markTime[1][1], -180);  // an early start stays
  EXPECT_EQ(store.markTime[1][2], race::kNotPassed);
  EXPECT_DOUBLE_EQ(store.markTime[2][2], 100);
  EXPECT_DOUBLE_EQ(store.firstArrivalTime[2], 100);
  EXPECT_DOUBLE_EQ(store.markTime[1][3], 305);
  EXPECT_EQ(store.finishRank[2], 1);
  EXPECT_EQ(store.finishRank[1], 2);  // first home, but without MK2
}

TEST(DetectMarkPassings, PassingAfterAMissedPointIsNoArrival) {
  race::RaceStore store = NorthRace();
  AddMark(store, 102.5, 0.72);  // MK2
  SetCourse(store, {"L1", "MK1", "MK2", "L2"});
  AddBoat(store, NorthTrack(61, -30, 0.9));  // wide of MK1, past MK2 at 390, home at 475
  AddBoat(store, NorthTrack(61, 0, 0.55));   // every point; MK2 at 420
  DetectMarkPassings(store);
  EXPECT_DOUBLE_EQ(store.markTime[1][3], 390);  // the passing itself is kept
  EXPECT_FALSE(PassedInOrder(store, 1, 3));
  EXPECT_DOUBLE_EQ(store.firstArrivalTime[3], 420);
  EXPECT_EQ(store.finishRank[2], 1);
  EXPECT_EQ(store.finishRank[1], 2);
}

TEST(DetectMarkPassings, MissingMarksAndLinesAreNeverPassedAndBadNumbersAreInputErrors) {
  race::RaceStore store = NorthRace();
  store.raceFilePath = "raceadmin/north.txt";
  SetCourse(store, {"L1", "MK9", "L7", "MK1", "L2"});
  AddBoat(store, NorthTrack(61));
  DetectMarkPassings(store);
  EXPECT_EQ(store.markTime[1][2], race::kNotPassed);
  EXPECT_EQ(store.markTime[1][3], race::kNotPassed);
  EXPECT_DOUBLE_EQ(store.markTime[1][4], 340);
  EXPECT_DOUBLE_EQ(store.markTime[1][5], 505);

  SetCourse(store, {"L1", "MKx", "L2"});
  try {
    DetectMarkPassings(store);
    FAIL() << "no error";
  } catch (const race::InputError& e) {
    EXPECT_EQ(e.file(), "raceadmin/north.txt");
    EXPECT_NE(std::string(e.what()).find("MKx"), std::string::npos);
  }
}

TEST(DetectMarkPassings, CourseLongerThanTwelvePointsIsAnalysedWhole) {
  race::RaceStore store = NorthRace();
  store.markCount = 0;
  SetCourse(store, {"L1"});
  for (int m = 1; m <= 12; ++m) {
    AddMark(store, 100 + m * 0.1875, 0.5);  // three fixes apart
    store.courseMark.resize(store.courseCount + 2);
    store.courseMark[++store.courseCount] = "MK" + std::to_string(m);
  }
  store.courseMark.resize(store.courseCount + 2);
  store.courseMark[++store.courseCount] = "L2";
  ASSERT_EQ(store.courseCount, 14);
  AddBoat(store, NorthTrack(61));
  DetectMarkPassings(store);
  ASSERT_GE(store.markTime[1].size(), 15u);
  for (int k = 2; k <= 13; ++k) EXPECT_DOUBLE_EQ(store.markTime[1][k], 20 + (k - 1) * 30.0) << k;
  EXPECT_DOUBLE_EQ(store.markTime[1][14], 505);
  EXPECT_EQ(store.finishRank[1], 1);
}

TEST(DetectMarkPassings, LineAfterTheStartCountsOnlyWhenCrossedBetweenItsEnds) {
  race::RaceStore store = NorthRace();
  AddLine(store, 101.03125, 0.6, 101.03125, 1.6);  // L3: the track passes 0.1 west of end 1
  AddLine(store, 100.25, 0.4, 100.25, 0.6);        // L4: the start's neighbour, crossed between its ends
  SetCourse(store, {"L1", "L3", "L4", "L2"});
  AddBoat(store, NorthTrack(61));
  DetectMarkPassings(store);
  EXPECT_EQ(store.markTime[1][2], race::kNotPassed);  // near end 1 is no passing
  EXPECT_DOUBLE_EQ(store.markTime[1][3], 60);         // looked for from the start on, as L3 was not found
  EXPECT_DOUBLE_EQ(store.markTime[1][4], 505);
  SetCourse(store, {"L1", "L4", "L1", "L2"});
  DetectMarkPassings(store);
  EXPECT_DOUBLE_EQ(store.markTime[1][2], 60);
  EXPECT_EQ(store.markTime[1][3], race::kNotPassed);  // the start line again lies behind: never back

  // The start keeps its nearness rule: a boat passing 0.1 west of its end 1 has started.
  race::RaceStore start = NorthRace();
  AddBoat(start, NorthTrack(61, 0, -0.1));
  DetectMarkPassings(start);
  EXPECT_DOUBLE_EQ(start.markTime[1][1], 20);
}

TEST(TrimAfterFinish, DropsFixesAMinuteAfterTheFinishOnly) {
  race::RaceStore store = NorthRace();
  AddBoat(store, NorthTrack(61));  // finish 505: fixes up to 560 stay (time 560 is fix 57)
  AddBoat(store, NorthTrack(40));  // no finish: untouched
  DetectMarkPassings(store);
  TrimAfterFinish(store);
  EXPECT_EQ(store.fixCount[1], 57);
  EXPECT_EQ(store.fixCount[2], 40);
}

}  // namespace
}  // namespace analysis
