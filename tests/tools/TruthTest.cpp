// The truth file against the tracks it describes, and the program's mark-passing analysis against the truth:
// simulated races and the bundled sample regatta, which also sails clear of its coast.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>

#include "SimulateSupport.h"
#include "analysis/MarkPassings.h"
#include "analysis/PrepareRace.h"
#include "simulate/Course.h"
#include "support/TempFolder.h"

namespace {

using simtest::TruthRow;

bool FinishedProperly(const std::string& status) {
  return status == "finished" || status == "early start";
}

TEST(Truth, PassingsLieWhereTheTracksPassTheCourse) {
  testsupport::TempFolder folder;
  const simulate::Options o = simtest::SmallRace(folder.folder(), 8);
  const simulate::RaceRecord race = simulate::SimulateRace(o.race);
  const simulate::WrittenRace files = simulate::WriteRace(o, race);
  const std::vector<TruthRow> rows = simtest::ReadTruth((folder.path() / files.truthFile).string());
  ASSERT_EQ(rows.size(), race.boats.size() * race.course.points.size());
  std::map<std::string, int> statuses;
  for (size_t b = 0; b < race.boats.size(); ++b) statuses[rows[b * race.course.points.size()].status]++;
  EXPECT_EQ(statuses["retired"], 1);
  EXPECT_EQ(statuses["missed mark"], 1);
  EXPECT_EQ(statuses["early start"], 1);
  EXPECT_EQ(statuses["finished"], 7);

  for (const TruthRow& row : rows) {
    if (!row.passed) continue;
    SCOPED_TRACE(row.name + " at " + row.designator + " point " + std::to_string(row.point));
    const std::vector<simulate::Fix>& fixes = race.boats[row.boat - 1].fixes;
    auto at = [&](double t) {
      auto it = std::lower_bound(fixes.begin(), fixes.end(), t,
                                 [](const simulate::Fix& f, double s) { return f.seconds < s; });
      return it == fixes.end() ? fixes.back().position : it->position;
    };
    const simulate::CoursePoint& p = race.course.points[row.point - 1];
    if (p.isLine) {
      // A fix within a few metres of the line between its ends, close to the passing time.
      const simulate::CourseLine& line = race.course.lines[p.index];
      double nearest = 1e9;
      for (double t = row.seconds - 8; t <= row.seconds + 8; t += 1) {
        const simulate::Vec q = at(t);
        const double f = simulate::ClosestFraction(line.end1, line.end2, q);
        nearest = std::min(nearest, simulate::Length(line.end1 + (line.end2 - line.end1) * f - q));
      }
      EXPECT_LT(nearest, 12);
    } else {
      const simulate::Vec mark = race.course.marks[p.index];
      EXPECT_LT(simulate::Length(at(row.seconds) - mark), 40);
    }
  }
}

// Holds the program's passings for a loaded race against a truth file: finishers within 10 s at every course
// point and in the true order; the retired boat not finished, the boat that missed a mark placed after them.
void ExpectAnalysisMatchesTruth(const race::RaceStore& store, const std::vector<TruthRow>& rows) {
  std::map<std::string, int> slot;
  for (int b = 1; b <= store.boatCount; ++b) slot[store.boatFile[b]] = b;
  std::map<std::string, std::vector<const TruthRow*>> byBoat;
  for (const TruthRow& r : rows) byBoat[r.file].push_back(&r);
  ASSERT_EQ(static_cast<int>(byBoat.size()), store.boatCount);
  int finishers = 0;
  for (int b = 1; b <= store.boatCount; ++b)
    finishers += store.markTime[b][store.courseCount] < analysis::kPassedBelow;
  std::vector<std::pair<double, int>> trueOrder;
  for (const auto& [file, points] : byBoat) {
    SCOPED_TRACE(file);
    ASSERT_TRUE(slot.count(file));
    const int b = slot[file];
    ASSERT_EQ(static_cast<int>(points.size()), store.courseCount);
    const std::string& status = points.front()->status;
    const double finish = store.markTime[b][store.courseCount];
    if (FinishedProperly(status)) {
      for (const TruthRow* r : points) {
        SCOPED_TRACE(r->designator + " point " + std::to_string(r->point));
        ASSERT_TRUE(r->passed);
        EXPECT_NEAR(store.markTime[b][r->point], r->seconds, 10.0);
      }
      trueOrder.emplace_back(points.back()->seconds, b);
    } else if (status == "retired" || status == "missed mark") {
      for (const TruthRow* r : points) {
        if (status == "missed mark" && !r->passed) {
          EXPECT_GT(store.markTime[b][r->point], analysis::kPassedBelow) << r->designator;
        }
      }
      if (status == "retired") {
        EXPECT_GT(finish, analysis::kPassedBelow);
        EXPECT_EQ(store.finishRank[b], finishers + 1);
      } else {
        // The boat that missed a mark keeps its finish, placed after every boat that sailed the course.
        EXPECT_LT(finish, analysis::kPassedBelow);
        EXPECT_FALSE(analysis::MissedPoints(store, b).empty());
        for (int c = 1; c <= store.boatCount; ++c) {
          if (analysis::MissedPoints(store, c).empty() &&
              store.markTime[c][store.courseCount] < analysis::kPassedBelow) {
            EXPECT_GT(store.finishRank[b], store.finishRank[c]) << store.boatName[c];
          }
        }
      }
    }
  }
  // The finishers in their true order hold places in the same order (other boats whose finish the rules
  // count may stand between them). Finishes closer than the loggers' error can tell apart are left out.
  std::sort(trueOrder.begin(), trueOrder.end());
  for (size_t place = 1; place < trueOrder.size(); ++place) {
    if (trueOrder[place].first - trueOrder[place - 1].first < 3) continue;
    EXPECT_LT(store.finishRank[trueOrder[place - 1].second], store.finishRank[trueOrder[place].second])
        << store.boatName[trueOrder[place].second];
  }
}

race::RaceStore Prepare(const std::string& folder, const std::string& raceFile) {
  race::RaceStore store;
  store.programFolder = folder;
  store.raceFilePath = folder + "raceadmin/" + raceFile;
  analysis::ChartFit fit;
  analysis::PrepareRace(store, fit, 800, 600);
  return store;
}

TEST(Truth, TheAnalysisFindsTheSimulatedPassings) {
  for (simulate::CourseKind kind : {simulate::CourseKind::WindwardLeeward, simulate::CourseKind::Triangle}) {
    for (std::uint64_t seed : {21u, 22u, 25u, 30u}) {
      SCOPED_TRACE(std::to_string(seed) +
                   (kind == simulate::CourseKind::Triangle ? " triangle" : " windward-leeward"));
      testsupport::TempFolder folder;
      simulate::Options o = simtest::SmallRace(folder.folder(), seed);
      o.race.kind = kind;
      o.race.laps = kind == simulate::CourseKind::Triangle ? 1 : 2;
      o.race.boats = 12;
      o.race.targetMinutes = 30;
      const simulate::WrittenRace files = simulate::WriteRace(o, simulate::SimulateRace(o.race));
      const race::RaceStore store = Prepare(folder.folder(), "small.txt");
      EXPECT_EQ(store.boatCount, 12);
      ExpectAnalysisMatchesTruth(store, simtest::ReadTruth((folder.path() / files.truthFile).string()));
    }
  }
}

TEST(Truth, TheAnalysisFindsThePassingsOfAPassageRace) {
  testsupport::TempFolder folder;
  simulate::Options o = simtest::SmallRace(folder.folder(), 31);
  o.race.kind = simulate::CourseKind::Passage;
  o.race.boats = 9;
  o.race.wind.direction = 100;
  // Start off Toba, round two marks to the south and east, finish back north: reaches and a beat.
  const simulate::GeoFrame frame(o.latitude, o.longitude);
  o.race.route = {{0, 0}, frame.ToPlane(2070, 8213), frame.ToPlane(2069, 8216), frame.ToPlane(2072.5, 8217)};
  const simulate::WrittenRace files = simulate::WriteRace(o, simulate::SimulateRace(o.race));
  const race::RaceStore store = Prepare(folder.folder(), "small.txt");
  EXPECT_EQ(store.courseCount, 4);
  ExpectAnalysisMatchesTruth(store, simtest::ReadTruth((folder.path() / files.truthFile).string()));
}

// Every boat sails on water: no leg of a track crosses the coastline the race loaded (and there is one).
void ExpectTracksClearOfTheCoast(const race::RaceStore& store) {
  ASSERT_GT(store.coastCount, 10);
  auto side = [](double ax, double ay, double bx, double by, double px, double py) {
    return (bx - ax) * (py - ay) - (by - ay) * (px - ax);
  };
  for (int k = 1; k < store.coastCount; ++k) {
    if (store.coastLat[k + 1] > 6000) continue;  // the next polyline begins there
    const double ay = store.coastLat[k] > 6000 ? store.coastLat[k] - 20000 : store.coastLat[k];
    const double ax = store.coastLon[k], by = store.coastLat[k + 1], bx = store.coastLon[k + 1];
    for (int b = 1; b <= store.boatCount; ++b) {
      const auto &lat = store.trackLat[b], &lon = store.trackLon[b];
      for (int i = 1; i < store.fixCount[b]; ++i) {
        if (std::max(lat[i], lat[i + 1]) < std::min(ay, by) ||
            std::min(lat[i], lat[i + 1]) > std::max(ay, by))
          continue;
        const bool crosses =
            side(ax, ay, bx, by, lon[i], lat[i]) * side(ax, ay, bx, by, lon[i + 1], lat[i + 1]) < 0 &&
            side(lon[i], lat[i], lon[i + 1], lat[i + 1], ax, ay) *
                    side(lon[i], lat[i], lon[i + 1], lat[i + 1], bx, by) <
                0;
        EXPECT_FALSE(crosses) << store.boatName[b] << " at fix " << i << " crosses the coast at point " << k;
      }
    }
  }
}

TEST(Truth, EverySampleRaceLoadsAndMatchesItsTruth) {
  const std::filesystem::path sample = testsupport::SourceFolder() / "data/sample";
  if (!std::filesystem::exists(sample / "raceadmin")) GTEST_SKIP() << "no sample regatta in this checkout";
  int races = 0;
  for (const auto& entry : std::filesystem::directory_iterator(sample / "raceadmin")) {
    if (entry.path().extension() != ".txt") continue;
    SCOPED_TRACE(entry.path().filename().string());
    ++races;
    const race::RaceStore store = Prepare(sample.string() + "/", entry.path().filename().string());
    EXPECT_GE(store.boatCount, 8);
    const std::filesystem::path truth = sample / "truth" / (entry.path().stem().string() + ".csv");
    ASSERT_TRUE(std::filesystem::exists(truth));
    ExpectAnalysisMatchesTruth(store, simtest::ReadTruth(truth.string()));
    ExpectTracksClearOfTheCoast(store);
    // Past the start nothing is passed before the gun, and the first boat at a point was racing there: the
    // retired boats sailing home past a gate or mark are never announced as its first rounding.
    for (int k = 2; k <= store.courseCount; ++k) {
      for (int b = 1; b <= store.boatCount; ++b) {
        if (analysis::Passed(store, b, k)) {
          EXPECT_GE(store.markTime[b][k], 0) << store.boatName[b] << " at " << k;
        }
      }
      if (store.firstArrivalTime[k] > analysis::kPassedBelow) continue;
      bool byABoatInOrder = false;
      for (int b = 1; b <= store.boatCount; ++b)
        byABoatInOrder = byABoatInOrder || (analysis::PassedInOrder(store, b, k) &&
                                            store.markTime[b][k] == store.firstArrivalTime[k]);
      EXPECT_TRUE(byABoatInOrder) << "point " << k;
    }
  }
  EXPECT_GE(races, 4);
}

}  // namespace
