// Every race of the bundled sample regatta loads and analyses through the batch command, as a user's first
// look at the program does. Skipped in a build without the batch command.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "support/TempFolder.h"

namespace {

TEST(SampleBatch, EveryRaceLoadsThroughTheBatchCommand) {
  const char* bin = std::getenv("REGATIX_BIN_DIR");
  const std::filesystem::path batch = bin ? std::filesystem::path(bin) / "regatix-batch" : std::filesystem::path();
  if (batch.empty() || !std::filesystem::exists(batch)) GTEST_SKIP() << "no regatix-batch in this build";
  const std::filesystem::path sample = testsupport::SourceFolder() / "data/sample";
  if (!std::filesystem::exists(sample / "raceadmin")) GTEST_SKIP() << "no sample regatta in this checkout";
  testsupport::TempFolder out;
  int races = 0;
  for (const auto& entry : std::filesystem::directory_iterator(sample / "raceadmin")) {
    if (entry.path().extension() != ".txt") continue;
    ++races;
    const std::filesystem::path json = out.path() / (entry.path().stem().string() + ".json");
    const std::string command = "'" + batch.string() + "' --folder '" + sample.string() + "' --race '" +
                                entry.path().filename().string() + "' --json '" + json.string() + "' 2>&1";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    EXPECT_GT(std::filesystem::exists(json) ? std::filesystem::file_size(json) : 0, 1000u) << command;
  }
  EXPECT_GE(races, 4);
}

}  // namespace
