// The built regatix-batch run on a race folder made in a temp folder and on the real races when present.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <string>

#include "analysis/SampleRaceFolder.h"
#include "support/TempFolder.h"

namespace {

struct BatchRun {
  int status = -1;
  std::string err;
};

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

BatchRun RunBatch(const testsupport::TempFolder& scratch, const std::string& arguments) {
  const char* bin = std::getenv("REGATIX_BIN_DIR");
  const std::string program = bin != nullptr ? std::string(bin) + "/regatix-batch" : REGATIX_BATCH_PROGRAM;
  const std::filesystem::path err = scratch.path() / "stderr.txt";
  const int status = std::system((Quote(program) + " " + arguments + " 2>" + Quote(err.string())).c_str());
  BatchRun run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = testsupport::ReadFile(err);
  return run;
}

std::filesystem::path RealRaces() {
  const std::filesystem::path configured = testsupport::SharedRacesFolder();
  if (!configured.empty()) return configured;
  return std::filesystem::is_directory(REGATIX_SHARED_RACES_DEFAULT) ? REGATIX_SHARED_RACES_DEFAULT : "";
}

nlohmann::json ReadJson(const std::filesystem::path& path) {
  return nlohmann::json::parse(testsupport::ReadFile(path));
}

TEST(RegatixBatch, WritesTheAnalysedRaceAsJson) {
  testsupport::TempFolder folder;
  analysistest::WriteSampleRace(folder);
  const auto out = folder.path() / "race.json";
  const BatchRun run = RunBatch(
      folder, "--folder " + Quote(folder.folder()) + " --race sample.txt --json " + Quote(out.string()));
  ASSERT_EQ(run.status, 0) << run.err;
  const nlohmann::json race = ReadJson(out);
  EXPECT_EQ(race["boatCount"], 2);
  EXPECT_EQ(race["startTime"], "2024/06/01 12:00:00");
  EXPECT_EQ(race["boats"][0]["boatName"], "Alpha");
  EXPECT_EQ(race["boats"][0]["fixes"].size(), 6u);  // first and last three
  EXPECT_EQ(race["finishRank"], (nlohmann::json{1, 2}));
  EXPECT_EQ(race["courseMark"], (nlohmann::json{"L1", "MK1", "L2"}));
  EXPECT_DOUBLE_EQ(race["markTime"][0][1].get<double>(), 300);
  EXPECT_NEAR(race["markTime"][0][2].get<double>(), 402.5, 1e-6);
  EXPECT_EQ(race["legBearing"].size(), 2u);
  EXPECT_EQ(race["legLengthMetres"].size(), 3u);
  EXPECT_EQ(race["chartFit"]["mapWidth"], 1285);
  EXPECT_EQ(race["boats"][1]["sailedCourse"], true);
  EXPECT_EQ(race["boats"][1]["missedPoints"], nlohmann::json::array());
  // Charlie's file is missing: named on stderr and in the JSON, and the run still succeeds.
  const std::string charlie =
      "boat Charlie: track file \"charlie.txt\" not found in gpsdat; the boat is left out";
  EXPECT_EQ(race["warnings"], (nlohmann::json{charlie}));
  EXPECT_EQ(run.err, "warning: " + charlie + "\n");

  const BatchRun full = RunBatch(folder, "--folder " + Quote(folder.folder()) +
                                             " --race SAMPLE.TXT --size 640x480 --full"
                                             " --json " +
                                             Quote(out.string()));
  ASSERT_EQ(full.status, 0) << full.err;
  const nlohmann::json all = ReadJson(out);
  EXPECT_EQ(all["boats"][0]["fixes"].size(), all["boats"][0]["fixCount"].get<std::size_t>());
  EXPECT_EQ(all["chartFit"]["mapHeight"], 480);
}

TEST(RegatixBatch, BadInputExitsOneWithFileAndLine) {
  testsupport::TempFolder folder;
  analysistest::WriteSampleRace(folder);
  folder.Write("raceadmin/broken.txt", "ST,2024/06/01 12:00:00\r\nMK,3000.3,north\r\n");
  const BatchRun broken = RunBatch(folder, "--folder " + Quote(folder.folder()) + " --race broken.txt");
  EXPECT_EQ(broken.status, 1);
  EXPECT_EQ(broken.err.rfind("raceadmin/broken.txt:2: ", 0), 0u) << broken.err;

  const BatchRun missing = RunBatch(folder, "--folder " + Quote(folder.folder()) + " --race none.txt");
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.err.find("GPS file not exists."), std::string::npos) << missing.err;

  const BatchRun usage = RunBatch(folder, "--size big");
  EXPECT_EQ(usage.status, 2);
}

TEST(RegatixBatch, MakeRaceWritesARaceFolderFromTracksAndExitsOneWhenNoneWasMade) {
  testsupport::TempFolder folder;
  const std::filesystem::path sample = testsupport::SourceFolder() / "data" / "sample" / "gpsdat";
  std::string tracks;
  for (int b = 1; b <= 8; ++b)
    tracks += " " + Quote((sample / ("toba-evening_0" + std::to_string(b) + ".gpx")).string());
  // Three boats of the morning before, logged as text tracks: a race of their own.
  for (int b = 1; b <= 3; ++b)
    tracks += " " + Quote((sample / ("toba-morning_0" + std::to_string(b) + ".txt")).string());
  folder.Write("notes.txt", "not a track\r\n");
  const BatchRun made =
      RunBatch(folder, "--make-race" + tracks + " " + Quote(folder.folder() + "notes.txt") + " --out " +
                           Quote(folder.folder() + "races") + " >" + Quote(folder.folder() + "made.txt"));
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_NE(made.err.find("notes.txt: skipped"), std::string::npos) << made.err;
  EXPECT_NE(made.err.find("the tracks are of 2 different days or places: one race each"), std::string::npos)
      << made.err;
  int raceFiles = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder.path() / "races")) {
    raceFiles += entry.path().parent_path().filename() == "raceadmin";
  }
  EXPECT_EQ(raceFiles, 2);
  // Each race made is named with what was found for it.
  const std::string out = testsupport::ReadFile(folder.path() / "made.txt");
  EXPECT_NE(out.find("(8 boats)"), std::string::npos) << out;
  EXPECT_NE(out.find("(3 boats)"), std::string::npos) << out;
  EXPECT_NE(out.find(": gun at 2026/05/18 17:00:"), std::string::npos) << out;
  EXPECT_NE(out.find(": time zone Asia/Tokyo, TD 9"), std::string::npos) << out;

  const BatchRun none = RunBatch(folder, "--make-race " + Quote(folder.folder() + "notes.txt") + " --out " +
                                             Quote(folder.folder() + "none"));
  EXPECT_EQ(none.status, 1);
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "none"));
}

TEST(RegatixBatch, RealRacesFinishInTheOrderTheirReadmeStates) {
  const std::filesystem::path root = RealRaces();
  if (root.empty()) GTEST_SKIP() << "no real races here";
  const std::vector<std::pair<std::string, std::vector<std::string>>> races = {
      {"elbe-damm-2023-race1", {"Miss Sophie", "Mr. Pommeroy", "Sir Toby"}},
      {"valencia-2025-06-21-p01", {"ESP 29375", "ESP 30782"}},
      {"valencia-2025-06-21-p02", {"ESP 29375", "ESP 30782"}},
  };
  testsupport::TempFolder scratch;
  for (const auto& [name, order] : races) {
    if (!std::filesystem::exists(root / name)) continue;
    SCOPED_TRACE(name);
    const auto out = scratch.path() / (name + ".json");
    const BatchRun run = RunBatch(scratch, "--folder " + Quote((root / name).string()) + " --race " + name +
                                               ".txt --at 100000 --json " + Quote(out.string()));
    ASSERT_EQ(run.status, 0) << run.err;
    const nlohmann::json race = ReadJson(out);
    ASSERT_EQ(race["boatCount"].get<std::size_t>(), order.size());
    for (std::size_t b = 0; b < order.size(); ++b) {
      const int rank = race["finishRank"][b];
      EXPECT_EQ(race["boats"][b]["boatName"], order[rank - 1]);
      // Long after the race the leaderboard is the finish, with the gaps the finish times make.
      const nlohmann::json& row = race["leaderboard"][b];
      EXPECT_EQ(race["boats"][row["boat"].get<int>() - 1]["boatName"], order[b]);
      EXPECT_TRUE(row["finished"].get<bool>());
      EXPECT_EQ(row["gapSeconds"].get<double>() == 0, b == 0);
    }
    // Valencia's dinghies tacked up every beat; on the Elbe no boat tacked (its wind is a guess).
    std::size_t tacks = 0;
    for (const auto& boat : race["manoeuvres"])
      for (const auto& m : boat) tacks += m["kind"] == "tack";
    if (name.rfind("valencia", 0) == 0) {
      EXPECT_GE(tacks, 10u);
    }
  }
}

}  // namespace
