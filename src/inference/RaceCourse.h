// The records of a race file that say when and where a race is sailed: gun, finish, time difference, marks,
// lines and course. Races made from tracks are written with them, and the race editor puts edited ones in
// place of a race file's own while every other record stays as it was.
#pragma once

#include <string>
#include <vector>

#include "inference/RaceInference.h"
#include "race/Fields.h"
#include "race/RaceStore.h"

namespace inference {

struct LineEnds {
  LatLon end1, end2;
};

struct RaceCourse {
  double startTime = 0, finishTime = 0;  // local time, days since 1899-12-30 (ST, FT)
  int timeDifferenceHours = 0;           // TD: local time minus GPS time
  std::vector<LatLon> marks;             // MK1, MK2 ...
  std::vector<LineEnds> lines;           // L1, L2 ...
  std::vector<std::string> course;       // CRS entries in sailing order: "L1", "MK2" ...
};

// What a race file can hold: CRS shares a line of 20 fields with its keyword.
inline constexpr int kMaxCourseRecordEntries = race::kMaxFields - 1;
// The time difference a race file may give, hours either way.
inline constexpr int kMaxTimeDifferenceHours = 24;
// The longest race window a race file may give.
inline constexpr double kMaxRaceWindowDays = 7;

enum class CourseProblem {
  None,
  TimeDifference,
  WindowOrder,
  WindowTooLong,
  EmptyCourse,
  UnknownEntry,
  TooLong
};

// The course of the race in the store (as its race file gave it).
RaceCourse CourseOfStore(const race::RaceStore& store);
// Puts the marks, lines and course into the store, for the chart to show; times are left alone.
void PutCourseInStore(const RaceCourse& course, race::RaceStore& store);

// The first reason the course cannot be written as a race that loads; None when it can.
CourseProblem CheckCourse(const RaceCourse& course);

// ST, FT, TD, the MK and LN records and CRS (left out for an empty course), one line each without line end.
std::vector<std::string> CourseRecords(const RaceCourse& course);

// raceFileText with its ST, FT, TD, MK, LN and CRS records replaced by course's: each keyword's records
// where the file's first record of that keyword stood, those it had none of at its end. Every other line is
// kept byte for byte, and the new lines end as the file's own lines do.
std::string WithCourse(const std::string& raceFileText, const RaceCourse& course);

}  // namespace inference
