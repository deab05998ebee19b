// The course records an edited race is saved with: written in place of a race file's own with every other
// line kept, read back as written, refused when they would not load, and saved in place or as a copy.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "inference/RaceSaving.h"
#include "race/DateTime.h"
#include "race/RaceFile.h"
#include "support/TempFolder.h"

namespace inference {
namespace {

namespace fs = std::filesystem;

// A hand-written race file: LF line ends, a Shift-JIS title, a boat with a time offset, a note between the
// course records, and no CRS at all.
const std::string kRaceFile =
    "T1,\x83\x8c\x81\x5b\x83\x58 1\n"
    "ST,2024/05/11 10:00:00\n"
    "FT,2024/05/11 11:30:00\n"
    "TD,9\n"
    "MK,2059.1234,8182.5\n"
    "NOTE,bring the chart\n"
    "LN,2058.9,8182.4,2058.9,8182.6\n"
    "BN,alpha.txt,Alpha,12\n"
    "BN,bravo.txt,Bravo\n";

RaceCourse Edited() {
  RaceCourse course;
  course.startTime = race::TextToDateTime("2024/05/11 10:05:30");
  course.finishTime = race::TextToDateTime("2024/05/11 12:00:00");
  course.timeDifferenceHours = -5;
  course.marks = {{2059.5, 8182.25}, {2060.0625, -8182.75}};
  course.lines = {{{2058.9, 8182.4}, {2058.9, 8182.6}}};
  course.course = {"L1", "MK2", "MK1", "L1"};
  return course;
}

race::RaceStore Read(const fs::path& folder, const fs::path& file) {
  race::RaceStore store;
  store.programFolder = folder.generic_string() + "/";
  store.raceFilePath = file.generic_string();
  race::ParseRaceFile(store, file.generic_string());
  return store;
}

void ExpectSameCourse(const RaceCourse& read, const RaceCourse& written) {
  EXPECT_NEAR(read.startTime, written.startTime, 1e-9);
  EXPECT_NEAR(read.finishTime, written.finishTime, 1e-9);
  EXPECT_EQ(read.timeDifferenceHours, written.timeDifferenceHours);
  ASSERT_EQ(read.marks.size(), written.marks.size());
  for (std::size_t m = 0; m < read.marks.size(); ++m) {
    EXPECT_NEAR(read.marks[m].lat, written.marks[m].lat, 1e-4);
    EXPECT_NEAR(read.marks[m].lon, written.marks[m].lon, 1e-4);
  }
  ASSERT_EQ(read.lines.size(), written.lines.size());
  EXPECT_EQ(read.course, written.course);
}

TEST(RaceCourse, WrittenInPlaceOfTheFilesOwnRecordsAndReadBackAsWritten) {
  const std::string text = WithCourse(kRaceFile, Edited());
  EXPECT_EQ(text,
            "T1,\x83\x8c\x81\x5b\x83\x58 1\n"
            "ST,2024/05/11 10:05:30\n"
            "FT,2024/05/11 12:00:00\n"
            "TD,-5\n"
            "MK,2059.5000,8182.2500\n"
            "MK,2060.0625,-8182.7500\n"
            "NOTE,bring the chart\n"
            "LN,2058.9000,8182.4000,2058.9000,8182.6000\n"
            "BN,alpha.txt,Alpha,12\n"
            "BN,bravo.txt,Bravo\n"
            "CRS,L1,MK2,MK1,L1\n");

  testsupport::TempFolder folder;
  const fs::path file = folder.Write("raceadmin/r.txt", text);
  const race::RaceStore store = Read(folder.path(), file);
  ExpectSameCourse(CourseOfStore(store), Edited());
  EXPECT_EQ(store.raceNote, "bring the chart");
  EXPECT_EQ(store.boatTimeOffset[1], 12);

  // Written twice, the same text; a file of none of these records gets them at its end with its own ends.
  EXPECT_EQ(WithCourse(text, Edited()), text);
  const std::string bare = WithCourse("T1,Bare\r\nBN,a.txt,A", Edited());
  EXPECT_TRUE(bare.starts_with("T1,Bare\r\nBN,a.txt,A\r\nST,2024/05/11 10:05:30\r\n")) << bare;
}

TEST(RaceCourse, ACourseThatWouldNotLoadIsNamed) {
  EXPECT_EQ(CheckCourse(Edited()), CourseProblem::None);
  const auto problem = [](auto change) {
    RaceCourse course = Edited();
    change(course);
    return CheckCourse(course);
  };
  EXPECT_EQ(problem([](RaceCourse& c) { c.timeDifferenceHours = 25; }), CourseProblem::TimeDifference);
  EXPECT_EQ(problem([](RaceCourse& c) { c.timeDifferenceHours = -24; }), CourseProblem::None);
  EXPECT_EQ(problem([](RaceCourse& c) { c.finishTime = c.startTime; }), CourseProblem::WindowOrder);
  EXPECT_EQ(problem([](RaceCourse& c) { c.finishTime = c.startTime + 8; }), CourseProblem::WindowTooLong);
  EXPECT_EQ(problem([](RaceCourse& c) { c.course.clear(); }), CourseProblem::EmptyCourse);
  EXPECT_EQ(problem([](RaceCourse& c) { c.course.push_back("MK3"); }), CourseProblem::UnknownEntry);
  EXPECT_EQ(problem([](RaceCourse& c) { c.course.push_back("L2"); }), CourseProblem::UnknownEntry);
  EXPECT_EQ(problem([](RaceCourse& c) { c.course.assign(20, "MK1"); }), CourseProblem::TooLong);
}

TEST(RaceCourse, AUsersRaceIsSavedInPlaceAndAProgramRaceAsACopyWithItsFiles) {
  testsupport::TempFolder program, user;
  const fs::path bundled = program.Write("raceadmin/spring.txt", kRaceFile + "WF,wind.txt\n");
  program.Write("gpsdat/alpha.txt", "alpha track");
  program.Write("gpsdat/bravo.txt", "bravo track");
  program.Write("gpsdat/charlie.txt", "another race's track");
  program.Write("winddat/wind.txt", "wind");
  program.Write("coastline/toba.cst", "coast");
  fs::permissions(program.path() / "raceadmin", fs::perms::owner_write, fs::perm_options::remove);

  const SavedRace copy = SaveEditedRace(program.folder(), bundled.string(), user.path(), Edited());
  fs::permissions(program.path() / "raceadmin", fs::perms::owner_write, fs::perm_options::add);
  EXPECT_TRUE(copy.copied);
  EXPECT_EQ(copy.raceFile, user.path() / "spring" / "raceadmin" / "spring.txt");
  EXPECT_EQ(testsupport::ReadFile(bundled), kRaceFile + "WF,wind.txt\n");  // the program's race untouched
  const fs::path own = user.path() / "spring";
  EXPECT_EQ(testsupport::ReadFile(own / "gpsdat" / "alpha.txt"), "alpha track");
  EXPECT_TRUE(fs::exists(own / "gpsdat" / "bravo.txt"));
  EXPECT_FALSE(fs::exists(own / "gpsdat" / "charlie.txt"));
  EXPECT_TRUE(fs::exists(own / "winddat" / "wind.txt"));
  EXPECT_TRUE(fs::exists(own / "coastline" / "toba.cst"));
  ExpectSameCourse(CourseOfStore(Read(user.path(), copy.raceFile)), Edited());

  // Saving the copy again rewrites it in place; a second copy of the program's race gets a name of its own.
  RaceCourse again = Edited();
  again.course = {"L1", "MK1", "L1"};
  const SavedRace inPlace = SaveEditedRace(program.folder(), copy.raceFile.string(), user.path(), again);
  EXPECT_FALSE(inPlace.copied);
  EXPECT_EQ(inPlace.raceFile, copy.raceFile);
  EXPECT_EQ(CourseOfStore(Read(user.path(), copy.raceFile)).course, again.course);
  EXPECT_FALSE(fs::exists(own / "raceadmin" / ".spring.txt.partial"));
  EXPECT_EQ(SaveEditedRace(program.folder(), bundled.string(), user.path(), Edited()).raceFile,
            user.path() / "spring-2" / "raceadmin" / "spring-2.txt");
}

}  // namespace
}  // namespace inference
