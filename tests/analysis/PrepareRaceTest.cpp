// The data side of a whole load on a race folder: every step runs, in order, and bad input is reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <new>
#include <vector>

#include "SampleRaceFolder.h"
#include "analysis/MarkPassings.h"
#include "analysis/PrepareRace.h"
#include "support/WarningTexts.h"

namespace analysis {
namespace {

race::RaceStore StoreFor(const testsupport::TempFolder& folder, const std::string& raceFile) {
  race::RaceStore store;
  store.programFolder = folder.folder();
  store.raceFilePath = folder.folder() + "raceadmin/" + raceFile;
  return store;
}

TEST(PrepareRace, LoadsAnalysesAndReportsProgress) {
  testsupport::TempFolder folder;
  analysistest::WriteSampleRace(folder);
  race::RaceStore store = StoreFor(folder, analysistest::kSampleRaceFile);
  store.windFile = "left-from-an-earlier-race.txt";
  std::vector<std::string> seen;
  ChartFit fit;
  PrepareRace(store, fit, 1285, 1000, [&](const std::string& file, int i, int count) {
    seen.push_back(file + " " + std::to_string(i) + "/" + std::to_string(count));
  });
  EXPECT_EQ(seen, (std::vector<std::string>{"alpha.txt 1/3", "bravo.txt 2/3", "charlie.txt 3/3"}));
  ASSERT_EQ(store.boatCount, 2);
  EXPECT_EQ(store.droppedBoatCount, 1);  // Charlie has no file, and the load says so
  ASSERT_EQ(store.warnings.size(), 1u);
  EXPECT_EQ(store.warnings[0].kind, race::WarningKind::kTrackFileMissing);
  EXPECT_EQ(store.boatName[1], "Alpha");
  EXPECT_EQ(fit.mapWidth, 1285);
  EXPECT_NEAR(fit.midLat, 3000 + 0.001 * (620 - 170) / 2, 0.01);
  EXPECT_GT(store.trackSpeed[1][10], 3.5);  // 0.001 minute a second is 3.6 knots
  EXPECT_EQ(store.trackCourse[1][10], 0);
  EXPECT_NEAR(store.markTime[1][1], 5, 1e-6);
  EXPECT_DOUBLE_EQ(store.markTime[1][2], 300);
  EXPECT_NEAR(store.markTime[1][3], 402.5, 1e-6);
  EXPECT_NEAR(store.markTime[2][3], 447.2, 0.1);
  EXPECT_EQ(store.finishRank[1], 1);
  EXPECT_EQ(store.finishRank[2], 2);
  EXPECT_LT(store.trackTime[1][store.fixCount[1]], 402.5 + 60);  // trimmed
  EXPECT_GT(store.legSailedMetres[1][1], 0.3 * 1852 - 1);
  EXPECT_GT(store.legLengthMetres[3], 0);
  EXPECT_EQ(store.windDataPresent, 0);
  EXPECT_TRUE(store.windFile.empty());
}

TEST(PrepareRace, MissingRaceFileOrTracksAreNoTracksErrorAndEveryBoatDroppedIsAnErrorToo) {
  testsupport::TempFolder folder;
  analysistest::WriteSampleRace(folder);
  race::RaceStore missing = StoreFor(folder, "nothing.txt");
  ChartFit fit;
  EXPECT_THROW(PrepareRace(missing, fit, 100, 100), NoTracksError);

  folder.Write("raceadmin/empty.txt",
               "ST,2024/06/01 12:00:00\r\nFT,2024/06/01 12:10:00\r\nBN,none.txt,Nobody\r\n");
  race::RaceStore empty = StoreFor(folder, "empty.txt");
  try {
    PrepareRace(empty, fit, 100, 100);
    FAIL() << "no error";
  } catch (const NoTracksError& e) {
    EXPECT_EQ(e.problem(), "GPS file not exists.");
    ASSERT_EQ(empty.warnings.size(), 1u);  // and the warning names the file looked for
    EXPECT_EQ(race::WarningText(empty.warnings[0]),
              "boat Nobody: track file \"none.txt\" not found in gpsdat; the boat is left out");
  }

  // Tracks there, but every boat outside the race window (a start a day late): refused, each boat named.
  analysistest::WriteSampleRace(folder);
  folder.Write("raceadmin/late.txt",
               "ST,2024/06/02 12:00:00\r\nFT,2024/06/02 12:10:00\r\nTD,2\r\n"
               "BN,alpha.txt,Alpha\r\nBN,bravo.txt,Bravo\r\n");
  race::RaceStore late = StoreFor(folder, "late.txt");
  EXPECT_THROW(PrepareRace(late, fit, 100, 100), NoBoatKeptError);
  ASSERT_EQ(late.warnings.size(), 2u);
  EXPECT_EQ(late.warnings[1].kind, race::WarningKind::kNoFixInWindowHours);
  EXPECT_EQ(late.warnings[1].values.back(), "26");  // TD 26, or ST a day earlier
}

TEST(PrepareRace, MalformedCourseIsAnInputErrorNamingTheRaceFile) {
  testsupport::TempFolder folder;
  analysistest::WriteSampleRace(folder, "CRS,L1,MKa,L2\r\n");
  race::RaceStore store = StoreFor(folder, analysistest::kSampleRaceFile);
  ChartFit fit;
  try {
    PrepareRace(store, fit, 100, 100);
    FAIL() << "no error";
  } catch (const race::InputError& e) {
    EXPECT_EQ(e.file(), std::string("raceadmin/") + analysistest::kSampleRaceFile);  // relative to the folder
    EXPECT_NE(e.problem().find("MKa"), std::string::npos);
  }
}

TEST(PrepareRace, RunningOutOfMemoryIsAnInputErrorNamingTheRace) {
  testsupport::TempFolder folder;
  analysistest::WriteSampleRace(folder);
  race::RaceStore store = StoreFor(folder, analysistest::kSampleRaceFile);
  ChartFit fit;
  try {
    PrepareRace(store, fit, 1285, 1000, [](const std::string&, int i, int) {
      if (i == 2) throw std::bad_alloc();  // as a track far larger than memory would
    });
    FAIL() << "no error";
  } catch (const race::InputError& e) {
    EXPECT_STREQ(e.what(), "raceadmin/sample.txt: not enough memory to load the race");
  }
  EXPECT_TRUE(store.trackTime.empty());  // what the load took is given back
}

TEST(PrepareRace, LinksLeadingOutOfTheRaceFolderCountAsMissing) {
  namespace fs = std::filesystem;
  testsupport::TempFolder folder, elsewhere;
  analysistest::WriteSampleRace(folder, "BN,twin.txt,Twin\r\n");
  analysistest::WriteSampleRace(elsewhere);
  fs::create_symlink(folder.path() / "gpsdat/alpha.txt", folder.path() / "gpsdat/twin.txt");  // inside: fine
  fs::remove(folder.path() / "gpsdat/bravo.txt");
  fs::create_symlink(elsewhere.path() / "gpsdat/bravo.txt", folder.path() / "gpsdat/bravo.txt");
  fs::create_symlink(elsewhere.path() / "gpsdat/alpha.txt", folder.path() / "coastline");
  ChartFit fit;
  race::RaceStore store = StoreFor(folder, analysistest::kSampleRaceFile);
  PrepareRace(store, fit, 1285, 1000);
  ASSERT_EQ(store.boatCount, 2);
  EXPECT_EQ(store.boatName[2], "Twin");
  const auto warnings = testsupport::WarningTexts(store);
  ASSERT_GE(warnings.size(), 1u);
  EXPECT_EQ(warnings[0], "gpsdat/bravo.txt: a link leading outside gpsdat/, not read");

  // A linked race file is refused; a linked track folder leaves the race without boats.
  fs::create_symlink(elsewhere.path() / "raceadmin/sample.txt", folder.path() / "raceadmin/linked.txt");
  race::RaceStore linked = StoreFor(folder, "linked.txt");
  try {
    PrepareRace(linked, fit, 1285, 1000);
    FAIL() << "no error";
  } catch (const race::InputError& e) {
    EXPECT_STREQ(e.what(), "raceadmin/linked.txt: a link leading outside raceadmin/, not read");
  }
  fs::remove_all(folder.path() / "gpsdat");
  fs::create_directory_symlink(elsewhere.path() / "gpsdat", folder.path() / "gpsdat");
  race::RaceStore noTracks = StoreFor(folder, analysistest::kSampleRaceFile);
  EXPECT_THROW(PrepareRace(noTracks, fit, 1285, 1000), NoTracksError);
}

TEST(PrepareRace, AGlitchFixChangesNeitherItsBoatNorTheOthers) {
  testsupport::TempFolder clean, glitched;
  analysistest::WriteSampleRace(clean);
  analysistest::WriteSampleRace(glitched);
  std::string bravo = analysistest::NorthboundTrack(0.0009, 0.01);
  const auto at = bravo.find("T  N", bravo.size() / 2);
  bravo.replace(at, 28, "T  N0000.00000 E00000.00000 ");
  glitched.Write("gpsdat/bravo.txt", bravo);
  ChartFit cleanFit, glitchedFit;
  race::RaceStore a = StoreFor(clean, analysistest::kSampleRaceFile);
  race::RaceStore b = StoreFor(glitched, analysistest::kSampleRaceFile);
  PrepareRace(a, cleanFit, 1285, 1000);
  PrepareRace(b, glitchedFit, 1285, 1000);
  EXPECT_EQ(b.fixCount[2], a.fixCount[2] - 1);
  EXPECT_EQ(glitchedFit.midLat, cleanFit.midLat);
  EXPECT_LT(b.maxBoatSpeed, 10);
  for (int boat = 1; boat <= 2; ++boat) {
    for (int leg = 1; leg <= 3; ++leg) {
      EXPECT_NEAR(b.legSailedMetres[boat][leg], a.legSailedMetres[boat][leg], 1) << boat << " " << leg;
    }
  }
  // One warning more than the clean race has (Charlie's missing file): the fix dropped.
  const auto warnings = testsupport::WarningTexts(b);
  ASSERT_EQ(warnings.size(), a.warnings.size() + 1);
  EXPECT_EQ(
      std::count_if(warnings.begin(), warnings.end(),
                    [](const std::string& w) { return w.starts_with("Bravo: fix at 2024/06/01 12:0"); }),
      1);
}

}  // namespace
}  // namespace analysis
