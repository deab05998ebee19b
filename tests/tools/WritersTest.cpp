// The simulator's files: coordinate and date forms, a seed giving the same race, and every file read back by
// the program's own readers in every form.
#include <gtest/gtest.h>

#include <filesystem>

#include "SimulateSupport.h"
#include "race/RaceFile.h"
#include "race/TrackLoader.h"
#include "race/WindFile.h"
#include "simulate/TrackWriter.h"
#include "support/TempFolder.h"

namespace {

using simulate::CoordinateForm;
using simulate::DateForm;

TEST(TrackFormat, CoordinatesInTheThreeForms) {
  EXPECT_EQ(simulate::FormatLatitude(35 * 60 + 12.3456, CoordinateForm::DegreesMinutes), "N3512.3456");
  EXPECT_EQ(simulate::FormatLongitude(-90.5, CoordinateForm::DegreesMinutes), "W00130.5000");
  EXPECT_EQ(simulate::FormatLongitude(136 * 60 + 59.99996, CoordinateForm::DegreesMinutes), "E13700.0000");
  EXPECT_EQ(simulate::FormatLatitude(-(33 * 60 + 30), CoordinateForm::Degrees), "S33.500000");
  // 35 deg 12.3456 min = 35 deg 12 min 20.736 s
  EXPECT_EQ(simulate::FormatLatitude(35 * 60 + 12.3456, CoordinateForm::DegreesMinutesSeconds), "N351220.74");
  EXPECT_EQ(simulate::FormatLongitude(136 * 60 + 52.5, CoordinateForm::DegreesMinutesSeconds), "E1365230.00");
}

TEST(TrackFormat, DatesInTheThreeForms) {
  EXPECT_EQ(simulate::FormatFixDate(2008, 5, 17, DateForm::YearMonthDay), "2008/05/17");
  EXPECT_EQ(simulate::FormatFixDate(2008, 5, 17, DateForm::DayMonthYear), "17-05-2008");
  EXPECT_EQ(simulate::FormatFixDate(2023, 7, 1, DateForm::DayMonthNameYear), "01-JUL-23");
}

TEST(Simulator, TheSameSeedSailsTheSameRace) {
  testsupport::TempFolder a, b, c;
  for (auto* folder : {&a, &b}) {
    const simulate::Options o = simtest::SmallRace(folder->folder(), 11);
    simulate::WriteRace(o, simulate::SimulateRace(o.race));
  }
  const simulate::Options other = simtest::SmallRace(c.folder(), 12);
  simulate::WriteRace(other, simulate::SimulateRace(other.race));
  for (const char* file : {"raceadmin/small.txt", "gpsdat/small_01.txt", "gpsdat/small_10.txt", "winddat/small.csv",
                           "truth/small.csv"}) {
    SCOPED_TRACE(file);
    const std::string first = testsupport::ReadFile(a.path() / file);
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(first, testsupport::ReadFile(b.path() / file));
  }
  EXPECT_NE(testsupport::ReadFile(a.path() / "gpsdat/small_01.txt"),
            testsupport::ReadFile(c.path() / "gpsdat/small_01.txt"));
}

// Loads the race file, wind file and tracks the way the program does.
race::RaceStore Load(const std::string& folder, const std::string& raceName) {
  race::RaceStore store;
  store.programFolder = folder;
  race::ParseRaceFile(store, folder + "raceadmin/" + raceName + ".txt");
  race::LoadWindFile(store);
  race::SizeTrackArrays(store);
  race::LoadAllTracks(store);
  return store;
}

TEST(Simulator, EveryFileReadsBackInEveryCoordinateAndDateForm) {
  const simulate::RaceRecord race = simulate::SimulateRace(simtest::SmallRace("", 3).race);
  std::vector<race::RaceStore> stores;
  const std::pair<CoordinateForm, DateForm> forms[] = {{CoordinateForm::DegreesMinutes, DateForm::YearMonthDay},
                                                       {CoordinateForm::Degrees, DateForm::DayMonthYear},
                                                       {CoordinateForm::DegreesMinutesSeconds, DateForm::DayMonthNameYear}};
  for (const auto& [coordinates, dates] : forms) {
    testsupport::TempFolder folder;
    simulate::Options o = simtest::SmallRace(folder.folder(), 3);
    o.coordinates = coordinates;
    o.dates = dates;
    o.northUp = true;
    simulate::WriteRace(o, race);
    stores.push_back(Load(folder.folder(), "small"));
    const race::RaceStore& s = stores.back();
    EXPECT_EQ(s.boatCount, 10);
    EXPECT_EQ(s.title1, "Test Cup");
    EXPECT_EQ(s.northUp, 1);
    EXPECT_EQ(s.courseCount, 5);
    EXPECT_EQ(s.courseMark[1], "L1");
    EXPECT_EQ(s.courseMark[5], "L3");
    EXPECT_EQ(s.markCount, 3);
    EXPECT_EQ(s.lineCount, 3);
    EXPECT_EQ(s.preStartSeconds, 300);
    EXPECT_EQ(s.timeDifferenceHours, 9);
    EXPECT_GT(s.windCount, 100);
    EXPECT_NEAR(s.windTime[1], race.wind.front().seconds, 0.5);
  }
  // The same fixes whatever the form, to the precision of each form.
  for (int b = 1; b <= 10; ++b) {
    ASSERT_EQ(stores[0].fixCount[b], stores[1].fixCount[b]);
    ASSERT_EQ(stores[0].fixCount[b], stores[2].fixCount[b]);
    EXPECT_GT(stores[0].fixCount[b], 300);
    EXPECT_EQ(stores[0].fixInterval[b], 1);
    for (int i = 1; i <= stores[0].fixCount[b]; i += 97) {
      EXPECT_EQ(stores[0].trackTime[b][i], stores[1].trackTime[b][i]);
      EXPECT_EQ(stores[0].trackTime[b][i], stores[2].trackTime[b][i]);
      EXPECT_NEAR(stores[0].trackLat[b][i], stores[1].trackLat[b][i], 2e-4);
      EXPECT_NEAR(stores[0].trackLon[b][i], stores[2].trackLon[b][i], 2e-4);
    }
  }
  // Fixes start a minute and a half before the pre-start; the reader keeps those after -BT minutes - 60 s.
  EXPECT_EQ(stores[0].trackTime[1][1], -359);
}

TEST(Simulator, TenHertzFixesKeepTheirTenths) {
  testsupport::TempFolder folder;
  simulate::Options o = simtest::SmallRace(folder.folder(), 4);
  o.race.boats = 2;
  o.race.targetMinutes = 8;
  o.race.rateHz = 10;
  simulate::WriteRace(o, simulate::SimulateRace(o.race));
  const std::string track = testsupport::ReadFile(folder.path() / "gpsdat/small_01.txt");
  EXPECT_NE(track.find(" 00:54:00.1 "), std::string::npos);
  const race::RaceStore s = Load(folder.folder(), "small");
  EXPECT_EQ(s.boatCount, 2);
  EXPECT_GT(s.fixCount[1], 3000);
}

TEST(Simulator, ShiftJisRaceFileKeepsJapaneseNames) {
  testsupport::TempFolder folder;
  simulate::Options o = simtest::SmallRace(folder.folder(), 6);
  o.race.boats = 2;
  o.race.targetMinutes = 8;
  o.shiftJis = true;
  o.names = {"疾風", "潮騒"};
  o.attachment = "si.html";
  simulate::WriteRace(o, simulate::SimulateRace(o.race));
  const std::string raw = testsupport::ReadFile(folder.path() / "raceadmin/small.txt");
  EXPECT_EQ(raw.find("疾風"), std::string::npos);  // not UTF-8 on disk
  const race::RaceStore s = Load(folder.folder(), "small");
  EXPECT_EQ(s.boatName[1], "疾風");
  EXPECT_EQ(s.boatName[2], "潮騒");
  EXPECT_EQ(s.attachmentCount, 1);
  EXPECT_EQ(testsupport::ReadFile(folder.path() / "raceadmin/racefile.st"), "small.txt\r\n");
}

}  // namespace
