// What making a race found, could not find, or skipped: each note is its kind plus the values its wording
// needs, so the batch command prints it in English and the window shows it in the user's language, both from
// one wording table (InferenceNote.cpp: a new note is an enum value here and a row there).
#pragma once

#include <string>
#include <vector>

namespace inference {

enum class NoteKind {
  // Found (InferredRace::found)
  kGunFound,       // %1 the gun, race-local time, %2 the start line's length (m)
  kCourseFound,    // %1 marks, %2 the course as mark numbers ("1-2-1-3")
  kFinishFound,    // %1 boats that crossed the finish line, %2 boats
  kWindFound,      // %1 degrees true it blows from
  kTimeZoneFound,  // %1 the zone's name, %2 TD (hours)
  // Not found (InferredRace::notFound)
  kOneBoat,      // no gun and start line from one boat
  kNoDeparture,  // the boats never sailed off together
  kNoMarks,      // no place where most boats turned together
  kNoFinish,     // nobody sailed on from the last mark
  kNoTacks,      // wind from the first leg's bearing
  kNoTimeZone,   // %1 TD from the longitude
  kWindowCut,    // the tracks run on for more than a day
  kCourseCut,    // %1 roundings found, %2 roundings a race file holds
  // About the files (MakeRacesResult::messages)
  kNoSuchPath,     // %1 the path
  kTooFewFixes,    // %1 the file, %2 its fixes
  kNotATrack,      // %1 the file (and line), %2 the reader's problem, in English
  kNoTrack,        // nothing among the files was a track
  kSeveralRaces,   // %1 how many days or places
  kFleetTooSmall,  // %1 a file of the group, %2 tracks in the group, %3 tracks a race needs
  kFleetTooLarge,  // %1 tracks sailing together, %2 boats a race holds
  kCannotWrite,    // %1 the system's account of a folder or file it could not write, in English
};

struct InferenceNote {
  NoteKind kind;
  std::vector<std::string> values;  // %1, %2 ... of the wording, already formatted
};

// The note as one line, in English (englishTexts above 0) or Japanese.
std::string NoteText(const InferenceNote& note, int englishTexts = 1);

}  // namespace inference
