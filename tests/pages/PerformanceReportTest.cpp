// The performance report of small races built in code, compared whole, line by line.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/MarkPassings.h"
#include "pages/PerformanceReport.h"
#include "support/TempFolder.h"

namespace pages {
namespace {

constexpr double X = race::kNotPassed;

struct BoatRow {
  std::string name;
  std::vector<double> markTimes;  // per course point
  std::vector<double> sailed;     // per leg, then gun to finish
};

// A race with the analysis tables filled as the load sequence leaves them.
race::RaceStore MakeRace(const std::vector<std::string>& course, const std::vector<int>& kinds,
                         const std::vector<double>& bearings, const std::vector<double>& lengths,
                         const std::vector<BoatRow>& boats) {
  race::RaceStore store;
  store.raceCaption = "Regatix  Test Race     ";
  store.startTime = 45108 + 11.0 / 24;  // 2023-07-01 11:00
  store.windDirection = 340;
  store.magneticVariation = 7;
  store.courseCount = static_cast<int>(course.size());
  for (std::size_t k = 0; k < course.size(); ++k) store.courseMark[k + 1] = course[k];
  for (std::size_t j = 0; j < kinds.size(); ++j) store.legKind[j + 1] = kinds[j];
  for (std::size_t j = 0; j < bearings.size(); ++j) store.legBearing[j + 1] = bearings[j];
  for (std::size_t k = 0; k < lengths.size(); ++k) store.legLengthMetres[k + 1] = lengths[k];
  store.boatCount = static_cast<int>(boats.size());
  for (std::size_t b = 0; b < boats.size(); ++b) {
    store.boatName[b + 1] = boats[b].name;
    for (std::size_t k = 0; k < boats[b].markTimes.size(); ++k)
      store.markTime[b + 1][k + 1] = boats[b].markTimes[k];
    for (std::size_t k = 0; k < boats[b].sailed.size(); ++k)
      store.legSailedMetres[b + 1][k + 1] = boats[b].sailed[k];
  }
  analysis::RankFinishers(store);
  return store;
}

// Alpha wins; Bravo is faster on the run; Charlie missed MK1 but finished; Delta retired after MK1.
race::RaceStore FourPointRace() {
  const double bravoLeg3 = (6 - 0.12345678) * 770 / 3600 * 1852;  // 0.12345678 kn slower than Alpha
  return MakeRace(
      {"L1", "MK1", "MK2", "L2"}, {1, 2, 3}, {5, 195.5, 100}, {3704, 2778, 1852, 8334},
      {{"Alpha", {10, 1200, 2000, 2600}, {5556, 2778, 1852, 10186}},
       {"Bravo", {12, 1260, 1980, 2750}, {3932.640512, 2685.4, bravoLeg3, 3932.640512 + 2685.4 + bravoLeg3}},
       {"Charlie", {8, X, 2050, 2700}, {0, 0, 2315, 4630}},
       {"Delta", {15, 1300, X, X}, {0, 0, 0, 0}}});
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "text after the last CR LF";
  return lines;
}

void ExpectLines(const std::string& text, const std::vector<std::string>& expected) {
  const std::vector<std::string> lines = Lines(text);
  for (std::size_t i = 0; i < std::min(lines.size(), expected.size()); ++i) {
    EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
  }
  EXPECT_EQ(lines.size(), expected.size());
}

TEST(PerformanceReport, FourPointRaceReadsLineByLine) {
  ExpectLines(PerformanceReportText(FourPointRace()),
              {
                  "Regatix  Test Race     ",
                  "Start Time,2023/07/01 11:00:00",
                  "Mean Wind Dir,340 deg",
                  " ",
                  "Time by each leg (Sec)",
                  ",(UP),(DN),",
                  "Boat Name,ST->MK1,MK1->MK2,MK2->L2,Total(A),,Sail Dist(B),BSP(C=B/A)",
                  "Alpha,1200,800,600,2600,,5.5000,7.6153",
                  "Bravo,1260,720,770,2750,,4.8303,6.3234",
                  "Charlie,-,-,650,2700,,2.5000,3.3333",
                  "Delta,1300,-,-,-,,-,-",
                  " ",
                  " ",
                  "Position by each Mark/Line",
                  // Charlie's MK2 comes after a missed MK1: no place there; home first, but placed after
                  // the boats that sailed the course.
                  "Boat Name,START,MK1,MK2,FINISH,MISSED",
                  "Alpha,2,1,2,1,",
                  "Bravo,3,2,1,2,",
                  "Charlie,1,-,-,3,MK1",
                  "Delta,4,3,-,-,MK2",
                  " ",
                  " ",
                  "Course Length by each leg (N Miles)",
                  "Line/Mark,ST->MK1,MK1->MK2,MK2->L2,Total(A)",
                  "Point of sail,(UP),(DN),,,,UP_DIST,DN_DIST",
                  "Length,2,1.5000,1,4.5000,,2,1.5",
                  "BRG(deg/Mag),358,188,93,-",
                  " ",
                  " ",
                  "Sailed Distance by each leg (N Miles)",
                  ",(UP),(DN),",
                  "Boat Name,ST->MK1,MK1->MK2,MK2->L2,Total(B)",
                  "Alpha,3,1.5000,1,5.5000",
                  "Bravo,2.1234,1.4500,1.2569,4.8303",
                  "Charlie,-,-,1.2500,2.5000",
                  "Delta,-,-,-,-",
                  " ",
                  " ",
                  "Boat speed by each leg (KTS)",
                  ",(UP),(DN),",
                  "Boat Name,ST->MK1,MK1->MK2,MK2->L2,Ave(C)",
                  "Alpha,9,6.7500,6,7.6153",
                  "Bravo,6.0670,7.2500,5.8765,6.3234",
                  "Charlie,-,-,6.9230,3.3333",
                  "Delta,-,-,-,-",
                  " ",
                  " ",
                  "SUMMARY OF SAILING PERFORMANCE",
                  ",(UP),(UP),(UP),(UP),,(DN),(DN),(DN),(DN)",
                  "BOAT NAME,TIME,DIST,BSP,VMC,,TIME,DIST,BSP,VMC",
                  "Alpha,1200,3,9,6,,800,1.5,6.75,6.75",
                  "Bravo,1260,2.123,6.067,5.714,,720,1.45,7.25,7.5",
                  // A kind with a leg whose end the boat did not pass has no sums.
                  "Charlie,-,-,-,-,,-,-,-,-",
                  "Delta,1300,0,0,5.538,,-,-,-,-",
                  " ",
                  " ",
                  "COMPARISON OF DATA (Best boat:=0",
                  " ",
                  "Difference of Time by each leg (SEC: difference from Best Boat)",
                  ",(UP),(DN),",
                  "Boat Name,ST->MK1,MK1->MK2,MK2->L2,Total(B)",
                  "Alpha,0,0,0,0",
                  "Bravo,60,-80,170,+150",
                  "Charlie,-,-,50,+100",
                  "Delta,100,-,-,-",
                  " ",
                  " ",
                  "Difference of Sailed Distance by each leg (Meters)",
                  ",(UP),(DN),",
                  "Boat Name,ST->MK1,MK1->MK2,MK2->L2,Total(B)",
                  "Alpha,0,0,0,0",
                  "Bravo,-1623,-93,+476,-1240",
                  "Charlie,-,-,+463,-5556",
                  "Delta,-,-,-,-",
                  " ",
                  " ",
                  "Difference of Boat speed by each leg (KTS)",
                  ",(UP),(DN),",
                  "Boat Name,ST->MK1,MK1->MK2,MK2->L2,Ave(C)",
                  "Alpha,0,0,0,0",
                  "Bravo,-2.9329,+0.5000,-0.1234,-1.2919",
                  "Charlie,-,-,+0.9230,-4.2820",
                  "Delta,-,-,-,-",
              });
}

// Start and finish only, sailed on a reach: one leg column everywhere and no upwind or downwind time.
TEST(PerformanceReport, TwoPointCourseHasOneLegAndZeroSpeedsWithoutUpwindTime) {
  race::RaceStore store = MakeRace({"L1", "L2"}, {3}, {90}, {1852, 1852},
                                   {{"Solo", {0, 700}, {2037.2, 2037.2}}, {"Late", {30, X}, {0, 0}}});
  store.startTime = 45108;  // midnight: the date alone
  const std::vector<std::string> lines = Lines(PerformanceReportText(store));
  ASSERT_EQ(lines.size(), 66u);
  EXPECT_EQ(lines[1], "Start Time,2023/07/01");
  EXPECT_EQ(lines[5], ",");
  EXPECT_EQ(lines[6], "Boat Name,ST->L2,Total(A),,Sail Dist(B),BSP(C=B/A)");
  EXPECT_EQ(lines[7], "Solo,700,700,,1.1000,5.6571");
  EXPECT_EQ(lines[8], "Late,-,-,,-,-");
  EXPECT_EQ(lines[12], "Boat Name,START,FINISH,MISSED");
  EXPECT_EQ(lines[13], "Solo,1,1,");  // the start crossed at the gun
  EXPECT_EQ(lines[14], "Late,2,-,");
  EXPECT_EQ(lines[19], "Point of sail,,,,UP_DIST,DN_DIST");
  EXPECT_EQ(lines[20], "Length,1,1,,0,0");
  EXPECT_EQ(lines[21], "BRG(deg/Mag),83,-");
  EXPECT_EQ(lines[41], "Solo,0,0,0,0,,0,0,0,0");
  EXPECT_EQ(lines[42], "Late,0,0,0,0,,0,0,0,0");
  EXPECT_EQ(lines[50], "Solo,0,0");
  EXPECT_EQ(lines[51], "Late,-,-");
  EXPECT_EQ(lines[57], "Solo,0,0");
  EXPECT_EQ(lines[58], "Late,-,-");
  EXPECT_EQ(lines[64], "Solo,0,0");
  EXPECT_EQ(lines[65], "Late,-,-");
}

TEST(PerformanceReport, CourseOfOnePointIsHeadedFinish) {
  race::RaceStore store = MakeRace({"L2"}, {}, {}, {0}, {{"Solo", {300}, {900}}});
  const std::vector<std::string> lines = Lines(PerformanceReportText(store));
  EXPECT_EQ(lines[11], "Boat Name,FINISH,MISSED");
  EXPECT_EQ(lines[12], "Solo,1,");
}

// Without a finisher there is no best boat to compare with.
TEST(PerformanceReport, ComparisonTablesShowDashesWhenNobodyFinished) {
  race::RaceStore store = MakeRace({"L1", "MK1", "L2"}, {1, 2}, {0, 180}, {1852, 1852, 3704},
                                   {{"Alpha", {10, 600, X}, {0, 0, 0}}, {"Bravo", {12, 650, X}, {0, 0, 0}}});
  const std::vector<std::string> lines = Lines(PerformanceReportText(store));
  ASSERT_EQ(lines.size(), 66u);
  for (const std::size_t row : {50, 51, 57, 58, 64, 65}) {
    EXPECT_EQ(lines[row].substr(lines[row].find(',')), ",-,-,-") << lines[row];
  }
}

// A best boat whose leg took no time (or which has no figure for a leg) leaves that difference open.
TEST(PerformanceReport, DifferencesNeedTheBestBoatsOwnFigure) {
  race::RaceStore store =
      MakeRace({"L1", "MK1", "L2"}, {1, 2}, {0, 180}, {1852, 1852, 3704},
               {{"Fast", {0, 0, 500}, {1852, 1852, 3704}}, {"Slow", {5, 600, 1300}, {1852, 2000, 3852}}});
  const std::vector<std::string> lines = Lines(PerformanceReportText(store));
  ASSERT_EQ(lines.size(), 66u);
  EXPECT_EQ(lines[51], "Slow,600,200,+800");
  EXPECT_EQ(lines[58], "Slow,0,+148,+148");
  EXPECT_EQ(lines[65], "Slow,-,-1.6461,-8.6402");
}

// The best boat is the boat placed first, even when a boat that missed a mark crossed the line before it.
TEST(PerformanceReport, BestBoatIsTheWinnerNotTheFirstOverTheLine) {
  race::RaceStore store =
      MakeRace({"L1", "MK1", "L2"}, {1, 2}, {0, 180}, {1852, 1852, 3704},
               {{"Cutter", {0, X, 400}, {0, 0, 3000}}, {"Winner", {5, 600, 1300}, {1852, 2000, 3852}}});
  const std::vector<std::string> lines = Lines(PerformanceReportText(store));
  ASSERT_EQ(lines.size(), 66u);
  EXPECT_EQ(lines[13], "Cutter,1,-,2,MK1");
  EXPECT_EQ(lines[14], "Winner,2,1,1,");
  EXPECT_EQ(lines[50], "Cutter,-,-,-900");
  EXPECT_EQ(lines[51], "Winner,0,0,0");
}

// Names come from race files: they may hold quotes and commas, or begin like a formula.
TEST(PerformanceReport, NamesStayOneTextCellAndNumbersStayNumbers) {
  race::RaceStore store = MakeRace({"L1", "L2"}, {3}, {90}, {1852, 1852},
                                   {{"=1+1", {0, 700}, {2037.2, 2037.2}},
                                    {"\"Quoted\", and more", {5, 710}, {2037.2, 2037.2}},
                                    {"@home", {6, 720}, {2037.2, 2037.2}},
                                    {"-5 knots", {7, 730}, {2037.2, 2037.2}}});
  store.raceCaption = "Regatix  Cup, Race 1     ";
  const std::vector<std::string> lines = Lines(PerformanceReportText(store));
  EXPECT_EQ(lines[0], "\"Regatix  Cup, Race 1     \"");
  EXPECT_EQ(lines[7], "'=1+1,700,700,,1.1000,5.6571");
  EXPECT_EQ(lines[8], "\"\"\"Quoted\"\", and more\",710,710,,1.1000,5.5774");
  EXPECT_EQ(lines[9], "'@home,720,720,,1.1000,5.5000");
  EXPECT_EQ(lines[10], "'-5 knots,730,730,,1.1000,5.4246");
}

TEST(PerformanceReport, WritesNoNameCsvWithAByteOrderMarkMakingItsFolder) {
  testsupport::TempFolder folder;
  folder.Write("NoName.csv", "an older report");
  const ReportResult written = WritePerformanceReport(FourPointRace(), folder.path().string());
  EXPECT_TRUE(written.ok()) << written.error;
  EXPECT_EQ(written.path, folder.folder() + "NoName.csv");
  EXPECT_EQ(testsupport::ReadFile(written.path), "\xEF\xBB\xBF" + PerformanceReportText(FourPointRace()));

  const ReportResult made = WritePerformanceReport(FourPointRace(), folder.folder() + "missing/");
  EXPECT_TRUE(made.ok()) << made.error;
  EXPECT_TRUE(std::filesystem::is_regular_file(folder.path() / "missing/NoName.csv"));

  folder.Write("plain", "");
  const ReportResult failed = WritePerformanceReport(FourPointRace(), folder.folder() + "plain/sub/");
  EXPECT_FALSE(failed.ok());
  EXPECT_EQ(failed.path, folder.folder() + "plain/sub/NoName.csv");
  EXPECT_FALSE(std::filesystem::exists(failed.path));
}

TEST(PerformanceReport, TableChoiceOpensTheWrittenReportOrNamesTheFailure) {
  testsupport::TempFolder folder;
  std::vector<std::string> steps;
  const ReportDesktop desktop{
      [&] { steps.push_back("events"); }, [&](const std::string& path) { steps.push_back("open " + path); },
      [&](const ReportResult& failure) { steps.push_back("failure " + failure.path + " " + failure.error); }};
  EXPECT_TRUE(WriteAndOpenPerformanceReport(FourPointRace(), folder.folder(), desktop).ok());
  EXPECT_EQ(steps, (std::vector<std::string>{"events", "open " + folder.folder() + "NoName.csv"}));

  steps.clear();
  folder.Write("plain", "");
  const std::string missing = folder.folder() + "plain/gone";
  EXPECT_FALSE(WriteAndOpenPerformanceReport(FourPointRace(), missing, desktop).ok());
  // The failure is reported with path and reason, and nothing is opened.
  EXPECT_EQ(steps, (std::vector<std::string>{"failure " + missing + "/NoName.csv Not a directory"}));
}

}  // namespace
}  // namespace pages
