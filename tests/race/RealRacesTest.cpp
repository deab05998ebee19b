// The real races kept beside the project: every boat loads with the fix count its README gives, from the
// logger's own dates (01-JUL-23) and from the year-first copies alike, and the coast is read.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "RaceFolder.h"
#include "race/BoatColours.h"
#include "race/Coastline.h"
#include "race/RaceCatalogue.h"
#include "race/RaceFile.h"
#include "race/TextInput.h"
#include "race/TrackLoader.h"
#include "race/WindFile.h"

namespace race {
namespace {

namespace fs = std::filesystem;

// Fixes inside the race window per boat, in the order of the race file's BN records (from the README).
const std::map<std::string, std::vector<int>> kWindowFixes = {
    {"elbe-damm-2023-race1", {485, 337, 500}},
    {"valencia-2025-06-21-p01", {1913, 1981}},
    {"valencia-2025-06-21-p02", {2275, 2281}},
};

int PointLines(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  TextLines lines(in, file.string());
  int count = 0;
  std::string_view line;
  while (lines.Next(line)) count += line.empty() ? 0 : 1;
  return count;
}

// Loads a race as the load sequence does, with tracks taken from trackFolder ("gpsdat" or "gpsdat-ymd").
void LoadRealRace(const fs::path& raceFolder, const std::string& trackFolder,
                  const std::vector<int>& expected) {
  testsupport::TempFolder program;
  // Copies, not links: a race folder's links to elsewhere are not followed.
  fs::copy(raceFolder / "raceadmin", program.path() / "raceadmin");
  fs::copy(raceFolder / trackFolder, program.path() / "gpsdat");
  fs::copy(raceFolder / "coastline", program.path() / "coastline");
  RaceStore s;
  s.programFolder = program.folder();
  RaceCatalogue catalogue;
  BuildRaceList(catalogue, s.programFolder);
  ASSERT_EQ(catalogue.raceListCount, 1);
  ASSERT_TRUE(ChooseFirstRace(catalogue, s));
  EXPECT_EQ(catalogue.raceIndex, 1);
  ParseRaceFile(s, s.raceFilePath);
  ASSERT_EQ(s.boatCount, static_cast<int>(expected.size()));
  LoadWindFile(s);
  EXPECT_EQ(s.windCount, 0);
  SizeTrackArrays(s);
  SetBoatColours(s);
  LoadAllTracks(s);
  ASSERT_EQ(s.boatCount, static_cast<int>(expected.size()));
  double minLat = 1e9, maxLat = -1e9, minLon = 1e9, maxLon = -1e9;
  for (int b = 1; b <= s.boatCount; ++b) {
    EXPECT_EQ(s.fixCount[b], expected[b - 1]) << s.boatName[b];
    for (int k = 1; k <= s.fixCount[b]; ++k) {
      ASSERT_GT(s.trackTime[b][k], -s.preStartSeconds - 60.0);
      ASSERT_LT(s.trackTime[b][k], s.timelineEnd);
      const double lat = s.trackLat[b][k], lon = s.trackLon[b][k];
      minLat = std::min(minLat, lat), maxLat = std::max(maxLat, lat);
      minLon = std::min(minLon, lon), maxLon = std::max(maxLon, lon);
    }
    // Every fix lies within a few minutes of the first mark.
    EXPECT_NEAR(s.trackLat[b][1], s.markLat[1], 3.0);
    EXPECT_NEAR(s.trackLon[b][1], s.markLon[1], 3.0);
  }
  LoadCoastline(s, CoastWindowFit{minLat, maxLat, (minLat + maxLat) / 2, (minLon + maxLon) / 2});
  EXPECT_EQ(s.mapImage[1], "TOBA");
  EXPECT_EQ(s.coastCount, PointLines(raceFolder / "coastline/toba.cst"));
}

TEST(RealRaces, EveryBoatLoadsFromBothTrackFormsAndTheCoastIsRead) {
  const fs::path shared = testsupport::SharedRacesFolder();
  if (shared.empty()) GTEST_SKIP() << "no shared races in this checkout";
  int seen = 0;
  for (const auto& [name, expected] : kWindowFixes) {
    const fs::path race = shared / name;
    if (!fs::is_directory(race)) continue;
    ++seen;
    for (const char* tracks : {"gpsdat", "gpsdat-ymd"}) {
      SCOPED_TRACE(name + "/" + tracks);
      LoadRealRace(race, tracks, expected);
    }
  }
  if (seen == 0) GTEST_SKIP() << "none of the known races is there";
}

}  // namespace
}  // namespace race
