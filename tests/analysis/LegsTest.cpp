// Sailed distance per leg on the trimmed tracks, leg bearings and lengths, and the points of sail.
#include <gtest/gtest.h>

#include <cmath>

#include "RaceBuilder.h"
#include "analysis/Legs.h"
#include "analysis/MarkPassings.h"

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

// Metres sailed north at kStep minutes per 10 s for the given seconds.
double NorthMetres(double seconds) {
  return seconds / 10 * kStep * 1852;
}

TEST(ComputeLegSailedDistances, LegOneFromTheGunLaterLegsBetweenPassingsLastColumnWholeRace) {
  race::RaceStore store = NorthRace();
  AddBoat(store, NorthTrack(61));
  DetectMarkPassings(store);
  TrimAfterFinish(store);
  ComputeLegSailedDistances(store, 1);
  EXPECT_NEAR(store.legSailedMetres[1][1], NorthMetres(340), 1e-6);        // 0 .. 340, not 20 .. 340
  EXPECT_NEAR(store.legSailedMetres[1][2], NorthMetres(505 - 340), 1e-6);  // interpolated at both ends
  EXPECT_NEAR(store.legSailedMetres[1][3], NorthMetres(505), 1e-6);
}

TEST(ComputeLegSailedDistances, NonFinisherAndLegsAtAMissedMarkGiveZero) {
  race::RaceStore store = NorthRace();
  SetCourse(store, {"L1", "MK9", "MK1", "L2"});  // MK9: a mark the race file lacks, passed by nobody
  AddBoat(store, NorthTrack(61));
  AddBoat(store, NorthTrack(40));
  AddBoat(store, NorthTrack(61, 0, 0.9));  // 0.25 minute wide of MK1: a finish, but its legs to MK1 and on
  store.legSailedMetres[2][1] = 99;        // a value left by an earlier race
  DetectMarkPassings(store);
  TrimAfterFinish(store);
  ComputeLegSailedDistances(store, 1);
  EXPECT_EQ(store.legSailedMetres[1][1], 0);  // ends at the missing mark
  EXPECT_EQ(store.legSailedMetres[1][2], 0);  // begins at it
  EXPECT_NEAR(store.legSailedMetres[1][3], NorthMetres(505 - 340), 1e-6);
  for (int j = 1; j <= 4; ++j) EXPECT_EQ(store.legSailedMetres[2][j], 0) << j;
  for (int j = 1; j <= 3; ++j) EXPECT_EQ(store.legSailedMetres[3][j], 0) << j;
  EXPECT_NEAR(store.legSailedMetres[3][4], NorthMetres(505), 1e-6);  // gun to finish: every finish has it
}

TEST(ComputeLegSailedDistances, TrackStartingAfterTheGunAndLegInsideOneSegment) {
  race::RaceStore store;
  store.courseCount = 2;
  store.markTime[1][1] = 12;
  store.markTime[1][2] = 18;
  AddBoat(store, {{5, 0, 0}, {10, 0.01, 0}, {20, 0.03, 0}, {30, 0.05, 0}});
  ComputeLegSailedDistances(store, 1);
  // Leg 1 runs from the gun, before the first fix: measured from fix 1 to the passing at 18 s.
  EXPECT_NEAR(store.legSailedMetres[1][1], 0.026 * 1852, 1e-6);
  store.courseCount = 3;
  store.markTime[1][1] = 0;
  store.markTime[1][2] = 12;
  store.markTime[1][3] = 18;
  ComputeLegSailedDistances(store, 1);
  // Both ends of leg 2 lie between fixes 2 and 3: only the piece between them, not the rest of the track.
  EXPECT_NEAR(store.legSailedMetres[1][2], 0.012 * 1852, 1e-6);
}

TEST(ComputeLegSailedDistances, EqualFixTimesDoNotDivideByZero) {
  race::RaceStore store;
  store.courseCount = 1;
  store.markTime[1][1] = 20;
  AddBoat(store, {{0, 0, 0}, {10, 0.01, 0}, {10, 0.02, 0}, {30, 0.04, 0}});
  ComputeLegSailedDistances(store, 1);
  EXPECT_TRUE(std::isfinite(store.legSailedMetres[1][1]));
  EXPECT_NEAR(store.legSailedMetres[1][1], 0.03 * 1852, 1e-6);
}

TEST(ComputeCourseLegs, BearingsLengthsToLineMidpointsAndTotal) {
  race::RaceStore store = NorthRace();
  ComputeCourseLegs(store, 0.5);
  // L1 end 1 (100, 0) to MK1 (102, 0.65): 2 minutes north, 0.65 minute east at half scale.
  const double east1 = 0.65 * 926, north1 = 2 * 1852.0;
  EXPECT_NEAR(store.legLengthMetres[1], std::sqrt(east1 * east1 + north1 * north1), 1e-6);
  EXPECT_NEAR(store.legBearing[1], std::atan(east1 / north1) * 180 / std::acos(-1.0), 1e-9);
  // MK1 to the middle of L2 (103.03125, 0.5): north and a little west.
  const double east2 = -0.15 * 926, north2 = 1.03125 * 1852;
  EXPECT_NEAR(store.legLengthMetres[2], std::sqrt(east2 * east2 + north2 * north2), 1e-6);
  EXPECT_GT(store.legBearing[2], 350);
  EXPECT_NEAR(store.legLengthMetres[3], store.legLengthMetres[1] + store.legLengthMetres[2], 1e-9);
  EXPECT_EQ(store.legKind[1], kUpwind);  // wind 0
}

TEST(PointOfSail, BoundariesOfTheThreeKinds) {
  EXPECT_EQ(PointOfSail(44.9, 0, 0), kUpwind);
  EXPECT_EQ(PointOfSail(45, 0, 0), kReach);
  EXPECT_EQ(PointOfSail(135, 0, 0), kReach);
  EXPECT_EQ(PointOfSail(135.1, 0, 0), kDownwind);
  EXPECT_EQ(PointOfSail(315, 0, 0), kReach);
  EXPECT_EQ(PointOfSail(315.1, 0, 0), kUpwind);
  // True 10 with variation 20 is magnetic 350: upwind against a wind from 340, downwind before one from 170.
  EXPECT_EQ(PointOfSail(10, 20, 340), kUpwind);
  EXPECT_EQ(PointOfSail(10, 20, 170), kDownwind);
  EXPECT_EQ(PointOfSail(100, 0, 10), kReach);
}

}  // namespace
}  // namespace analysis
