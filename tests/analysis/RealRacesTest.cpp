// The real races kept beside the project (skipped when absent): every finisher passes the course in order and
// the finish places follow the finish times.
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "analysis/MarkPassings.h"
#include "analysis/PrepareRace.h"
#include "support/TempFolder.h"

namespace analysis {
namespace {

struct RealRace {
  std::string folder;
  std::vector<std::string> finishOrder;  // as the races' README states it
};

// Test listings name the race, not the bytes of the structure.
void PrintTo(const RealRace& race, std::ostream* out) {
  *out << race.folder;
}

const std::vector<RealRace>& RealRaces() {
  static const std::vector<RealRace> races = {
      {"elbe-damm-2023-race1", {"Miss Sophie", "Mr. Pommeroy", "Sir Toby"}},
      {"valencia-2025-06-21-p01", {"ESP 29375", "ESP 30782"}},
      {"valencia-2025-06-21-p02", {"ESP 29375", "ESP 30782"}},
  };
  return races;
}

class RealRaceTest : public ::testing::TestWithParam<RealRace> {};

TEST_P(RealRaceTest, FinishersPassEveryPointInOrderAndPlacesFollowTimes) {
  const std::filesystem::path root = testsupport::SharedRacesFolder();
  if (root.empty() || !std::filesystem::exists(root / GetParam().folder))
    GTEST_SKIP() << "no real races here";
  race::RaceStore store;
  store.programFolder = (root / GetParam().folder).string() + "/";
  store.raceFilePath = store.programFolder + "raceadmin/" + GetParam().folder + ".txt";
  ChartFit fit;
  PrepareRace(store, fit, 1285, 1000);

  const std::vector<std::string>& order = GetParam().finishOrder;
  ASSERT_EQ(store.boatCount, static_cast<int>(order.size()));
  const int last = store.courseCount;
  for (int b = 1; b <= store.boatCount; ++b) {
    SCOPED_TRACE(store.boatName[b]);
    for (int k = 1; k <= last; ++k) {
      ASSERT_LT(store.markTime[b][k], kPassedBelow) << "course point " << k;
      if (k > 1) {
        EXPECT_GT(store.markTime[b][k], store.markTime[b][k - 1]) << "course point " << k;
      }
    }
    int expectedRank = 1;
    for (int c = 1; c <= store.boatCount; ++c)
      expectedRank += store.markTime[c][last] < store.markTime[b][last];
    EXPECT_EQ(store.finishRank[b], expectedRank);
    EXPECT_EQ(store.boatName[b], order[store.finishRank[b] - 1]);
    EXPECT_GT(store.legSailedMetres[b][last], store.legLengthMetres[last] * 0.9);
  }
  EXPECT_GT(store.maxBoatSpeed, 2);
  EXPECT_LT(store.maxBoatSpeed, 10);
}

INSTANTIATE_TEST_SUITE_P(SharedRaces, RealRaceTest, ::testing::ValuesIn(RealRaces()), [](const auto& info) {
  std::string name;
  for (char c : info.param.folder) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
  return name;
});

}  // namespace
}  // namespace analysis
