// Making races from tracks: a small fleet made in code, bad input, the grouping into races and the names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "inference/RaceMaker.h"
#include "inference/TimeZoneAt.h"
#include "race/DateTime.h"
#include "race/RaceFile.h"
#include "support/FleetTracks.h"
#include "support/TempFolder.h"

namespace inference {
namespace {

namespace fs = std::filesystem;

using testsupport::BoatGpx;
using testsupport::WriteFleet;
constexpr double kLat0 = testsupport::kFleetLat;

bool Says(const std::vector<InferenceNote>& notes, const std::string& text) {
  return std::any_of(notes.begin(), notes.end(), [&](const InferenceNote& note) {
    return NoteText(note).find(text) != std::string::npos;
  });
}

race::RaceStore ReadRace(const MadeRace& made) {
  race::RaceStore store;
  store.programFolder = made.folder.generic_string() + "/";
  race::ParseRaceFile(store, made.raceFile.generic_string());
  return store;
}

TEST(RaceMaker, AFleetGivesGunMarkLinesAndTimeDifference) {
  testsupport::TempFolder folder;
  const auto files = WriteFleet(folder, 5);
  const auto result = MakeRaces({folder.path() / "in"}, folder.path() / "out");
  ASSERT_EQ(result.races.size(), 1u);
  const race::RaceStore store = ReadRace(result.races[0]);
  EXPECT_EQ(store.boatCount, 5);
  EXPECT_EQ(store.boatName[1], "Boat 0");
  EXPECT_EQ(store.timeDifferenceHours, 9);
  const double gunError = (store.startTimeGps - *race::EncodeDateTime(2026, 5, 17, 2, 0, 0)) * 86400;
  EXPECT_LT(std::fabs(gunError), 20);
  ASSERT_EQ(store.markCount, 1);
  EXPECT_NEAR(store.markLat[1], kLat0 * 60 + 977 / 1852.0, 30 / 1852.0);
  ASSERT_EQ(store.courseCount, 3);
  EXPECT_EQ(store.courseMark[1], "L1");
  EXPECT_EQ(store.courseMark[2], "MK1");
  EXPECT_EQ(store.courseMark[3], "L2");
  // The finish lies on the way back, short of where the boats stopped.
  const double finishLat = (store.lineLat1[2] + store.lineLat2[2]) / 2;
  EXPECT_LT(finishLat, kLat0 * 60 - 200 / 1852.0);
  EXPECT_GT(finishLat, kLat0 * 60 - 330 / 1852.0);
  // The user's files stay as they were, with nothing written beside them.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.path() / "in"), fs::directory_iterator()), 5);
  EXPECT_TRUE(fs::exists(result.races[0].folder / "gpsdat" / "boat3.gpx"));
  // What was found is told in race-local time, in both languages.
  EXPECT_TRUE(Says(result.races[0].found, "gun at 2026/05/17 11:0")) << NoteText(result.races[0].found[0]);
  EXPECT_TRUE(Says(result.races[0].found, "1 marks, course 1"));
  EXPECT_TRUE(Says(result.races[0].found, "time zone Asia/Tokyo, TD 9"));
  for (const InferenceNote& note : result.races[0].found) {
    EXPECT_NE(NoteText(note, 0), NoteText(note, 1));
    EXPECT_EQ(NoteText(note, 0).find('%'), std::string::npos) << NoteText(note, 0);
  }
}

TEST(RaceMaker, BadInputIsNamedAndNothingIsWrittenWithoutATrack) {
  testsupport::TempFolder folder;
  folder.Write("in/notes.txt",
               "Saturday's race; a fix reads\r\nT  N3433.7231 E13652.3303 2026/05/17 01:23:30 1\r\n");
  folder.Write("in/broken.gpx", "<gpx><trk><trkseg><trkpt lat=\"x\"");
  fs::resize_file(folder.Write("in/video.mp4", ""), race::kMaxTrackBytes + 1);  // sparse: costs no disk
  const auto result = MakeRaces({folder.path() / "in", folder.path() / "missing.gpx"}, folder.path() / "out");
  EXPECT_TRUE(result.races.empty());
  ASSERT_EQ(result.messages.size(), 5u);
  EXPECT_NE(NoteText(result.messages[0]).find("missing.gpx"), std::string::npos);
  EXPECT_NE(NoteText(result.messages[1]).find("broken.gpx:1: skipped: "), std::string::npos)
      << NoteText(result.messages[1]);
  EXPECT_NE(NoteText(result.messages[2]).find("notes.txt: skipped: 1 fixes are too few"), std::string::npos);
  EXPECT_NE(NoteText(result.messages[3]).find("video.mp4: skipped: not a track: too big"), std::string::npos);
  EXPECT_NE(NoteText(result.messages[4]).find("no race made"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder.path() / "out"));
}

TEST(RaceMaker, OneBoatOrNoMovementSaysWhatItCouldNotFind) {
  testsupport::TempFolder folder;
  folder.Write("in/alone.gpx", BoatGpx("Alone", 0));
  std::string still = "<gpx><trk><trkseg>\n";
  for (int t = 0; t < 600; t += 5) {
    still += "<trkpt lat=\"34.5\" lon=\"136.8\"><time>2026-05-20T01:" + std::string(t / 60 < 10 ? "0" : "") +
             std::to_string(t / 60) + ":" + (t % 60 < 10 ? "0" : "") + std::to_string(t % 60) +
             "Z</time></trkpt>\n";
  }
  folder.Write("still/moored.gpx", still + "</trkseg></trk></gpx>\n");
  // Asked for a fleet, one track alone makes nothing and says so.
  const auto refused = MakeRaces({folder.path() / "in"}, folder.path() / "out", 2);
  EXPECT_TRUE(refused.races.empty());
  EXPECT_TRUE(Says(refused.messages, "alone.gpx: 1 track(s) sailing together, a race needs 2: no race made"));
  EXPECT_FALSE(fs::exists(folder.path() / "out"));
  const auto alone = MakeRaces({folder.path() / "in"}, folder.path() / "out");
  ASSERT_EQ(alone.races.size(), 1u);
  EXPECT_TRUE(Says(alone.races[0].notFound, "one boat"));
  const auto moored = MakeRaces({folder.path() / "still"}, folder.path() / "out");
  ASSERT_EQ(moored.races.size(), 1u);
  EXPECT_TRUE(Says(moored.races[0].notFound, "no movement"));

  // A logger whose last fix is years after the rest would ask for a second-by-second look at all of them.
  std::string stuck = "<gpx><trk><trkseg>\n";
  for (int t = 0; t < 60; ++t) {
    stuck += "<trkpt lat=\"34.5\" lon=\"136.8\"><time>2020-01-01T00:00:" + std::string(t < 10 ? "0" : "") +
             std::to_string(t) + "Z</time></trkpt>\n";
  }
  folder.Write("years/stuck.gpx",
               stuck +
                   "<trkpt lat=\"34.6\" "
                   "lon=\"136.9\"><time>2026-01-01T00:00:00Z</time></trkpt></trkseg></trk></gpx>\n");
  const auto years = MakeRaces({folder.path() / "years"}, folder.path() / "out");
  ASSERT_EQ(years.races.size(), 1u);
  EXPECT_TRUE(Says(years.races[0].notFound, "more than a day"));
}

TEST(RaceMaker, ACourseLongerThanARaceFileHoldsKeepsItsFirstRoundings) {
  testsupport::TempFolder folder;
  InferredRace made;
  made.hasStartLine = made.hasFinishLine = true;
  made.marks = {{2000, 8000}, {2001, 8000}, {2002, 8000}, {2003, 8000}};
  for (int lap = 0; lap < 12; ++lap) made.course.insert(made.course.end(), {0, 1});
  made.course.push_back(3);
  KeepWhatARaceFileHolds(made);
  EXPECT_EQ(made.course.size(), 17u);
  EXPECT_EQ(made.marks.size(), 2u);  // the third and fourth marks were only rounded later
  ASSERT_EQ(made.notFound.size(), 1u);
  folder.Write("gpsdat/a.gpx", "x");
  const auto raceFile = folder.Write("raceadmin/long.txt", RaceFileText(made, {"a.gpx"}, {"Alpha"}));
  race::RaceStore store;
  store.programFolder = folder.folder();
  race::ParseRaceFile(store, raceFile.generic_string());
  EXPECT_EQ(store.courseCount, 19);
  EXPECT_EQ(store.courseMark[19], "L2");
  EXPECT_EQ(store.markCount, 2);
}

TEST(RaceMaker, TracksOfOtherDaysOrPlacesMakeRacesOfTheirOwn) {
  const auto track = [](double day, double lat) {
    race::WholeTrack t;
    for (int i = 0; i < 100; ++i) t.fixes.push_back({day + i / 86400.0 * 10, lat, 8000, 0});
    return t;
  };
  const double day = *race::EncodeDateTime(2026, 5, 17, 1);
  const std::vector<race::WholeTrack> tracks = {track(day, 2000), track(day + 1, 2000), track(day, 2000.5),
                                                track(day, 2100)};
  const auto groups = GroupByDayAndPlace(tracks);
  ASSERT_EQ(groups.size(), 3u);
  EXPECT_EQ(groups[0], (std::vector<int>{0, 2}));
}

TEST(RaceMaker, BoatNamesComeFromTracksElseFilesAndStayDistinct) {
  const auto names = BoatNames({"Kaze", "", "Kaze", "A,B"}, {"a.gpx", "dir/sora.nmea", "c.gpx", "d.gpx"});
  EXPECT_EQ(names, (std::vector<std::string>{"Kaze", "sora", "Kaze 2", "A B"}));
}

TEST(TimeZoneAt, DaylightSavingFollowsTheDateAndPlace) {
  const long long july = 1688205600;     // 2023-07-01 10:00 UTC
  const long long january = 1672567200;  // 2023-01-01 10:00 UTC
  const auto hamburgSummer = TimeZoneAt(53.55, 9.8, july);
  ASSERT_TRUE(hamburgSummer);
  EXPECT_EQ(hamburgSummer->name, "Europe/Berlin");
  EXPECT_EQ(hamburgSummer->offsetMinutes, 120);
  EXPECT_EQ(TimeZoneAt(53.55, 9.8, january)->offsetMinutes, 60);
  EXPECT_EQ(TimeZoneAt(34.55, 136.87, july)->offsetMinutes, 540);
  EXPECT_EQ(TimeZoneAt(-33.86, 151.2, january)->offsetMinutes, 660);  // southern summer
  EXPECT_FALSE(TimeZoneAt(53.55, 9.8, july, "/nonexistent/zone.tab"));
}

}  // namespace
}  // namespace inference
