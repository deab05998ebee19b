// The report of each real race kept beside the project (skipped when absent) reads as a table: every boat
// row of a table has as many fields as its header, and the figures agree with each other.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/PrepareRace.h"
#include "pages/PerformanceReport.h"
#include "support/TempFolder.h"

namespace pages {
namespace {

std::vector<std::string> SplitText(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos;
       start = end + separator.size()) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// The tables whose header row ("Boat Name" ...) is followed by one row per boat.
const std::vector<std::string> kBoatTables = {
    "Time by each leg (Sec)",
    "Position by each Mark/Line",
    "Sailed Distance by each leg (N Miles)",
    "Boat speed by each leg (KTS)",
    "SUMMARY OF SAILING PERFORMANCE",
    "Difference of Time by each leg (SEC: difference from Best Boat)",
    "Difference of Sailed Distance by each leg (Meters)",
    "Difference of Boat speed by each leg (KTS)",
};

class RealRaceReport : public ::testing::TestWithParam<std::string> {};

TEST_P(RealRaceReport, EveryTableRowHasItsHeadersFieldCount) {
  const std::filesystem::path root = testsupport::SharedRacesFolder();
  if (root.empty() || !std::filesystem::exists(root / GetParam())) GTEST_SKIP() << "no real races here";
  race::RaceStore store;
  store.programFolder = (root / GetParam()).string() + "/";
  store.raceFilePath = store.programFolder + "raceadmin/" + GetParam() + ".txt";
  analysis::ChartFit fit;
  analysis::PrepareRace(store, fit, 1285, 1000);

  const std::string text = PerformanceReportText(store);
  ASSERT_EQ(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.find('"'), std::string::npos);  // nothing a CSV reader would take as quoting
  std::vector<std::string> lines = SplitText(text.substr(0, text.size() - 2), "\r\n");
  for (const std::string& line : lines) EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
  const int boats = store.boatCount;
  // The tables, then the tacks and gybes (these races have some), a row each after two blank lines.
  const auto manoeuvres = std::find(lines.begin(), lines.end(), "Tacks and gybes");
  ASSERT_NE(manoeuvres, lines.end());
  ASSERT_EQ(manoeuvres - lines.begin(), 50 + 8 * boats + 2);
  EXPECT_EQ(lines[static_cast<std::size_t>(50 + 8 * boats)], " ");
  for (auto row = manoeuvres + 2; row != lines.end(); ++row) {
    const std::vector<std::string> cells = SplitText(*row, ",");
    ASSERT_EQ(cells.size(), 8u) << *row;
    EXPECT_TRUE(cells[2] == "Tack" || cells[2] == "Gybe") << *row;
  }
  lines.erase(manoeuvres - 2, lines.end());

  for (const std::string& title : kBoatTables) {
    SCOPED_TRACE(title);
    const auto at = std::find(lines.begin(), lines.end(), title);
    ASSERT_NE(at, lines.end());
    const std::size_t first = static_cast<std::size_t>(at - lines.begin()) + 1;
    // A kind row (or the summary's "(UP)" row) may sit between the title and the header.
    const std::size_t header =
        lines[first].rfind("Boat Name", 0) == 0 || lines[first].rfind("BOAT NAME", 0) == 0 ? first
                                                                                           : first + 1;
    const std::size_t fields = SplitText(lines[header], ",").size();
    for (int b = 1; b <= boats; ++b) {
      const std::vector<std::string> row = SplitText(lines[header + static_cast<std::size_t>(b)], ",");
      EXPECT_EQ(row.size(), fields) << lines[header + static_cast<std::size_t>(b)];
      EXPECT_EQ(row[0], store.boatName[b]);
    }
    const std::size_t after = header + static_cast<std::size_t>(boats) + 1;
    if (after < lines.size()) {
      EXPECT_EQ(lines[after], " ");  // the table ends with its boats
    }
  }

  // Every boat of these races finished: the winner's differences are 0, everyone else's total is behind.
  const auto times =
      std::find(lines.begin(), lines.end(), kBoatTables[5]) - lines.begin() + 2;  // the header row
  int winners = 0;
  for (int b = 1; b <= boats; ++b) {
    const std::string total = SplitText(lines[static_cast<std::size_t>(times + b)], ",").back();
    if (total == "0") {
      ++winners;
    } else {
      EXPECT_EQ(total[0], '+') << total;
    }
  }
  EXPECT_EQ(winners, 1);
}

INSTANTIATE_TEST_SUITE_P(SharedRaces, RealRaceReport,
                         ::testing::Values("elbe-damm-2023-race1", "valencia-2025-06-21-p01",
                                           "valencia-2025-06-21-p02"));

}  // namespace
}  // namespace pages
