// Loading the boats' tracks: the race window, dropped boats, fix intervals, offsets and array growth.
#include <gtest/gtest.h>

#include <vector>

#include "RaceFolder.h"
#include "race/DateTime.h"
#include "race/InputError.h"
#include "race/TrackLoader.h"
#include "race/TrackWindowCheck.h"

namespace race {
namespace {

using racetest::Fix;
using racetest::RaceFolder;
using racetest::Track;

// A race whose boats have the given track texts (boat k's file is bk.txt); BN lines may carry extras.
void TrackRace(RaceFolder& r, const std::vector<std::string>& tracks,
               const std::vector<std::string>& extras = {}) {
  std::string text = racetest::kRaceTimes;
  for (std::size_t k = 0; k < tracks.size(); ++k) {
    const std::string name = "b" + std::to_string(k + 1) + ".txt";
    r.Write("gpsdat/" + name, tracks[k]);
    text += "BN," + name + ",Boat " + std::to_string(k + 1) + (k < extras.size() ? extras[k] : "") + "\r\n";
  }
  r.Parse(text);
  SizeTrackArrays(r.store);
}

TEST(TrackLoader, BoatsWithFewerThanFiftyFixesAreDroppedAndLaterBoatsMoveDown) {
  RaceFolder r;
  TrackRace(r, {Track(60), Track(49), Track(50, 2), Track(70)}, {"", "", ",15", ",0,hidden"});
  std::vector<std::string> progress;
  LoadAllTracks(r.store, [&](const std::string& file, int i, int count) {
    progress.push_back(file + " " + std::to_string(i) + "/" + std::to_string(count));
  });
  EXPECT_EQ(progress, (std::vector<std::string>{"b1.txt 1/4", "b2.txt 2/4", "b3.txt 3/4", "b4.txt 4/4"}));
  const RaceStore& s = r.store;
  ASSERT_EQ(s.boatCount, 3);
  EXPECT_EQ(s.droppedBoatCount, 1);
  EXPECT_EQ(s.boatName[2], "Boat 3");
  EXPECT_EQ(s.boatFile[2], "b3.txt");
  EXPECT_EQ(s.boatTimeOffset[2], 15);
  EXPECT_EQ(s.fixCount[2], 50);
  EXPECT_EQ(s.trackTime[2][1], 15);  // the offset moved with the boat
  EXPECT_EQ(s.trackTime[2][50], 15 + 98);
  EXPECT_EQ(s.boatName[3], "Boat 4");
  EXPECT_EQ(s.boatShown[3], 0);
  EXPECT_EQ(s.fixCount[3], 70);
}

TEST(TrackLoader, MissingFilesAndShortTracksAreDroppedWithAWarningNamingTheBoat) {
  RaceFolder r;
  TrackRace(r, {Track(60), Track(60), Track(49)});
  std::filesystem::remove(r.folder.path() / "gpsdat/b1.txt");
  LoadAllTracks(r.store);
  ASSERT_EQ(r.store.boatCount, 1);
  EXPECT_EQ(r.store.droppedBoatCount, 2);
  EXPECT_EQ(r.store.boatName[1], "Boat 2");
  EXPECT_EQ(r.store.fixCount[1], 60);
  ASSERT_EQ(r.store.warnings.size(), 2u);
  EXPECT_EQ(WarningText(r.store.warnings[0]),
            "boat Boat 1: track file \"b1.txt\" not found in gpsdat; the boat is left out");
  EXPECT_EQ(
      WarningText(r.store.warnings[1]),
      "boat Boat 3: only 49 fixes inside the race window (50 needed); the boat is left out: check ST, FT and "
      "TD");
}

TEST(TrackLoader, TrackOutsideTheWindowTellsItsTimesAndTheTimeDifferenceThatWouldFit) {
  RaceFolder r;
  // TD typed with the wrong sign: the fixes lie 18 hours before the window.
  r.Write("gpsdat/b1.txt", Track(60));
  r.Parse("ST,2008/05/17 10:00:00\r\nFT,2008/05/17 11:00:00\r\nTD,-9\r\nBN,b1.txt,Wrong sign\r\n");
  SizeTrackArrays(r.store);
  LoadAllTracks(r.store);
  EXPECT_EQ(r.store.boatCount, 0);
  ASSERT_EQ(r.store.warnings.size(), 1u);
  EXPECT_EQ(
      WarningText(r.store.warnings[0]),
      "boat Wrong sign: no fix inside the race window (its fixes run 2008/05/16 16:00:00 to 2008/05/16 "
      "16:00:59, the window 2008/05/17 09:56:00 to 2008/05/17 11:00:30); the boat is left out: TD may be "
      "wrong (or ST a day off), with TD 9 its fixes would fit");
  EXPECT_NE(WarningText(r.store.warnings[0], 0).find("TD を 9 にすると合います"), std::string::npos);

  // A line worded by its caller reads the same in both languages, and a %1 inside a value stays as it is.
  std::vector<LoadWarning> notes;
  AddWarning(notes, "winddat/w.csv: samples out of time order, sorted (%1)");
  EXPECT_EQ(WarningText(notes[0], 0), "winddat/w.csv: samples out of time order, sorted (%1)");

  // A start a day off, and a track from another day altogether.
  EXPECT_EQ(HoursThatWouldFit(-86400, -86000, -240, 3630), 24);
  EXPECT_EQ(HoursThatWouldFit(-400 * 3600, -399 * 3600, -240, 3630), 0);
}

TEST(TrackLoader, WindowRunsFromAMinuteBeforeThePreStartTo30SecondsAfterTheFinish) {
  // Pre-start 180 s: -240 is out, -239 in; the finish is 3600 s: 3630 out, 3629 in.
  std::string text = Fix(-240) + Fix(-239) + Track(60, 1, 100) + Fix(3629) + Fix(3630);
  RaceFolder r;
  TrackRace(r, {text});
  LoadAllTracks(r.store);
  const RaceStore& s = r.store;
  ASSERT_EQ(s.fixCount[1], 62);
  EXPECT_EQ(s.trackTime[1][1], -239);
  EXPECT_EQ(s.trackTime[1][62], 3629);
  EXPECT_NEAR(s.trackLat[1][1], 2112.3456, 1e-9);
  EXPECT_NEAR(s.trackLon[1][1], 139 * 60 + 30.1234, 1e-9);
}

TEST(TrackLoader, OffsetMovesTheWindowWithTheBoat) {
  // An offset of 30 shifts every fix 30 s later, so the fix logged at -269 now sits at -239 and counts.
  RaceFolder r;
  TrackRace(r, {Fix(-269) + Track(60)}, {",30"});
  LoadAllTracks(r.store);
  ASSERT_EQ(r.store.fixCount[1], 61);
  EXPECT_EQ(r.store.trackTime[1][1], -239);
  EXPECT_EQ(r.store.trackTime[1][2], 30);
}

TEST(TrackLoader, FixIntervalIsTheMeanSpacingOfLongTracksAndNeverZero) {
  RaceFolder r;
  TrackRace(r, {Track(101, 2), Track(100, 2), Track(300, 0), Track(1000, 3)});
  LoadAllTracks(r.store);
  const RaceStore& s = r.store;
  EXPECT_EQ(s.fixInterval[1], 2);
  EXPECT_EQ(s.fixInterval[2], 30);
  EXPECT_EQ(s.fixInterval[3], 1);  // every fix at the same second
  EXPECT_EQ(s.fixInterval[4], 3);
  // A long track grows its arrays without losing fixes.
  ASSERT_EQ(s.fixCount[4], 1000);
  for (int k = 1; k <= 1000; ++k) ASSERT_EQ(s.trackTime[4][k], 3 * (k - 1)) << k;
  EXPECT_GE(s.trackSpeed[4].size(), 1001u);
  EXPECT_EQ(s.trackCourse[4].size(), s.trackTime[4].size());
}

TEST(TrackLoader, UnreadableTimesAndFarDatesAreLeftOutSilently) {
  std::string text = Track(55);
  text += "T  N3512.3456 E13930.1234 17-MAY-08 25:00:00 1\r\n";  // no such time
  text += "T  N3512.3456 E13930.1234 31-FEB-08 01:30:00 1\r\n";  // no such day
  text += Fix(100, "N3512.3456", "E13930.1234", "17-MAY-09");    // a year off: outside every window
  text += "T  N3512.3456 E13930.1234 17-MAY-08 01:30:00\r\n";    // five fields: not a fix
  text += "X  N3512.3456 E13930.1234 17-MAY-08 01:30:00 1\r\n";  // no T: not a fix
  text += Fix(200, "N3512.3456", "E13930.1234", "2008/05/17");
  RaceFolder r;
  TrackRace(r, {text});
  LoadAllTracks(r.store);
  ASSERT_EQ(r.store.fixCount[1], 56);
  EXPECT_EQ(r.store.trackTime[1][56], 200);
}

TEST(TrackLoader, MalformedCoordinateOfAKeptFixStopsTheLoadWithItsLine) {
  // Outside the window a bad coordinate is never read.
  RaceFolder outside;
  TrackRace(outside, {Fix(-1000, "N35x2.1") + Track(60)});
  LoadAllTracks(outside.store);
  EXPECT_EQ(outside.store.fixCount[1], 60);

  RaceFolder inside;
  TrackRace(inside, {Track(10) + Fix(20, "N35x2.1") + Track(60)});
  try {
    LoadAllTracks(inside.store);
    FAIL() << "no error";
  } catch (const InputError& e) {
    EXPECT_STREQ(e.what(), "gpsdat/b1.txt:12: not a number: \"N35x2.1\"");
  }
}

TEST(TrackLoader, CoordinateFormSwitchesWithinAFileOnAWholeWordOfAHeaderLine) {
  std::string text = "H  TN DEGAS\r\nH  TN KDMSK\r\n" + Track(50);  // track names: no switch
  text += "H  COORDINATE SYSTEM DMS\r\n" + Fix(60, "N351220.5", "E1393007.0");
  text += "U  DEG\r\n" + Fix(61, "N35.2055", "E139.502");
  RaceFolder r;
  TrackRace(r, {text});
  LoadAllTracks(r.store);
  const RaceStore& s = r.store;
  ASSERT_EQ(s.fixCount[1], 52);
  EXPECT_NEAR(s.trackLat[1][51], 35 * 60 + 12 + 20.5 / 60, 6e-6);  // kept to 1e-5 minute
  EXPECT_NEAR(s.trackLon[1][51], 139 * 60 + 30 + 7.0 / 60, 6e-6);
  EXPECT_NEAR(s.trackLat[1][52], 35.2055 * 60, 1e-9);
  EXPECT_NEAR(s.trackLon[1][52], 139.502 * 60, 1e-9);
}

TEST(TrackLoader, FixesFromOtherReadersPassTheSameWindow) {
  RaceFolder r;
  TrackRace(r, {""});
  SizeBoatTrack(r.store, 1, 100);
  int n = 0;
  const TDateTime gun = r.store.startTimeGps;
  EXPECT_FALSE(StoreFixIfInWindow(r.store, 1, n, TrackFix{gun - 240.0 / 86400, 1, 2, 1}));
  EXPECT_TRUE(StoreFixIfInWindow(r.store, 1, n, TrackFix{gun + 10.0 / 86400, 3, 4, 2}));
  EXPECT_FALSE(StoreFixIfInWindow(r.store, 1, n, TrackFix{r.store.finishTimeGps + 30.0 / 86400, 5, 6, 3}));
  ASSERT_EQ(n, 1);
  EXPECT_EQ(r.store.trackTime[1][1], 10);
  EXPECT_EQ(r.store.trackLon[1][1], 4);
  FinishTrack(r.store, 1, n);
  EXPECT_EQ(r.store.fixCount[1], 1);
  EXPECT_EQ(r.store.fixInterval[1], 30);
}

}  // namespace
}  // namespace race
