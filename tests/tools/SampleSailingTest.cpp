// The bundled sample against what real boats do and against its own truth: fix-to-fix course and speed
// changes no rougher than the real 1 Hz races, and the tacks and gybes the analysis finds against those the
// simulator sailed. The measured figures are printed for the record.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "analysis/Manoeuvres.h"
#include "analysis/MarkPassings.h"
#include "analysis/PrepareRace.h"
#include "support/TempFolder.h"

namespace {

race::RaceStore Load(const std::filesystem::path& folder, const std::string& raceFile) {
  race::RaceStore store;
  store.programFolder = folder.string() + "/";
  store.raceFilePath = store.programFolder + "raceadmin/" + raceFile;
  analysis::ChartFit fit;
  analysis::PrepareRace(store, fit, 800, 600);
  return store;
}

double Quantile(std::vector<double> values, double q) {
  if (values.empty()) return NAN;
  const auto at = values.begin() + static_cast<long>(q * static_cast<double>(values.size() - 1));
  std::nth_element(values.begin(), at, values.end());
  return *at;
}

struct Roughness {
  double courseMedian = 0, course90 = 0, speedMedian = 0;
};

// Changes of the program's per-fix course and speed from one fix to the next, while racing and moving.
Roughness MeasureRoughness(const race::RaceStore& store) {
  std::vector<double> course, speed;
  for (int b = 1; b <= store.boatCount; ++b) {
    const int last = store.courseCount;
    const double end = store.markTime[b][last] < analysis::kPassedBelow ? store.markTime[b][last] : 1e18;
    for (int i = 3; i < store.fixCount[b]; ++i) {
      const double t = store.trackTime[b][i];
      if (t < 0 || t > end || store.trackSpeed[b][i] < 1 || store.trackSpeed[b][i - 1] < 1) continue;
      const double turn =
          std::fabs(std::remainder(store.trackCourse[b][i] - store.trackCourse[b][i - 1], 360.0));
      course.push_back(turn);
      speed.push_back(std::fabs(store.trackSpeed[b][i] - store.trackSpeed[b][i - 1]));
    }
  }
  return {Quantile(course, 0.5), Quantile(course, 0.9), Quantile(speed, 0.5)};
}

std::ostream& operator<<(std::ostream& out, const Roughness& r) {
  return out << "course change median " << r.courseMedian << " deg, 90th percentile " << r.course90
             << " deg; speed change median " << r.speedMedian << " kn";
}

TEST(SampleSailing, FixToFixChangesLikeTheRealOneSecondRaces) {
  const std::filesystem::path sample = testsupport::SourceFolder() / "data/sample";
  if (!std::filesystem::exists(sample / "raceadmin")) GTEST_SKIP() << "no sample regatta in this checkout";
  // The real Valencia races at one fix a second: 4 deg median and 11-12 deg at the 90th percentile,
  // 0.13-0.15 kn median speed change. The sample may be at most half as rough again.
  for (const char* race : {"toba-wl.txt", "toba-triangle.txt"}) {
    SCOPED_TRACE(race);
    const Roughness r = MeasureRoughness(Load(sample, race));
    std::cout << race << ": " << r << "\n";
    EXPECT_LE(r.courseMedian, 1.5 * 4);
    EXPECT_LE(r.course90, 1.5 * 12);
    EXPECT_LE(r.speedMedian, 1.5 * 0.15);
    // Not a ruler-straight line either: a helm and the sea leave some wander.
    EXPECT_GE(r.courseMedian, 1);
  }
  const std::filesystem::path shared = testsupport::SharedRacesFolder();
  for (const char* race : {"valencia-2025-06-21-p01", "valencia-2025-06-21-p02"}) {
    if (shared.empty() || !std::filesystem::exists(shared / race)) continue;
    std::cout << race << ": " << MeasureRoughness(Load(shared / race, std::string(race) + ".txt")) << "\n";
  }
}

struct TrueManoeuvre {
  int boat = 0;
  double seconds = 0;
  bool tack = true;
  double metresLost = 0;
};

std::vector<TrueManoeuvre> ReadManoeuvreTruth(const std::filesystem::path& file) {
  std::vector<TrueManoeuvre> rows;
  std::ifstream in(file);
  std::string line;
  std::getline(in, line);
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (std::size_t comma; (comma = line.find(',', from)) != std::string::npos; from = comma + 1)
      cells.push_back(line.substr(from, comma - from));
    cells.push_back(line.substr(from));
    if (cells.size() < 11) {
      ADD_FAILURE() << file << ": short line " << line;
      continue;
    }
    const double lost = cells[10].empty() ? NAN : std::stod(cells[10]);  // empty: not the turn's own
    rows.push_back({std::stoi(cells[0]), std::stod(cells[3]), cells[5] == "tack", lost});
  }
  return rows;
}

TEST(SampleSailing, TacksAndGybesFoundAsSailed) {
  const std::filesystem::path sample = testsupport::SourceFolder() / "data/sample";
  if (!std::filesystem::exists(sample / "raceadmin")) GTEST_SKIP() << "no sample regatta in this checkout";
  int sailed = 0, found = 0, detected = 0, spurious = 0;
  std::vector<double> trueLoss, foundLoss;
  for (const auto& entry : std::filesystem::directory_iterator(sample / "raceadmin")) {
    if (entry.path().extension() != ".txt") continue;
    const std::string name = entry.path().stem().string();
    const std::filesystem::path truthFile = sample / "truth" / (name + "-manoeuvres.csv");
    ASSERT_TRUE(std::filesystem::exists(truthFile)) << truthFile;
    const race::RaceStore store = Load(sample, entry.path().filename().string());
    const std::vector<TrueManoeuvre> truth = ReadManoeuvreTruth(truthFile);
    int raceSailed = 0, raceFound = 0, raceDetected = 0, raceSpurious = 0;
    for (int b = 1; b <= store.boatCount; ++b) {
      const std::vector<analysis::Manoeuvre> seen = analysis::DetectManoeuvres(store, b);
      std::vector<bool> used(seen.size());
      for (const TrueManoeuvre& t : truth) {
        if (t.boat != b) continue;
        ++raceSailed;
        for (std::size_t i = 0; i < seen.size(); ++i) {
          const bool tack = seen[i].kind == analysis::ManoeuvreKind::Tack;
          if (used[i] || tack != t.tack || std::fabs(seen[i].seconds - t.seconds) > 10) continue;
          used[i] = true;
          ++raceFound;
          if (std::isfinite(t.metresLost) && std::isfinite(seen[i].metresLost)) {
            trueLoss.push_back(t.metresLost);
            foundLoss.push_back(seen[i].metresLost);
          }
          break;
        }
      }
      raceDetected += static_cast<int>(seen.size());
      raceSpurious += static_cast<int>(std::count(used.begin(), used.end(), false));
    }
    std::cout << name << ": " << raceSailed << " sailed, " << raceFound << " found, " << raceDetected
              << " detected, " << raceSpurious << " false\n";
    sailed += raceSailed, found += raceFound, detected += raceDetected, spurious += raceSpurious;
  }
  const double medianTrue = Quantile(trueLoss, 0.5), medianFound = Quantile(foundLoss, 0.5);
  std::cout << "all: " << sailed << " sailed, " << found << " found within 10 s, " << detected
            << " detected, " << spurious << " false; median loss " << medianFound << " m against "
            << medianTrue << " m\n";
  ASSERT_GT(sailed, 100);
  EXPECT_GE(found, 0.95 * sailed);
  EXPECT_LE(spurious, 0.05 * detected);
  EXPECT_NEAR(medianFound, medianTrue, 0.25 * medianTrue);
}

}  // namespace
