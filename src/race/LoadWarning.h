// What a load found worth a look: a boat outside the race window, a missing track file, a course point nobody
// passed ... Each warning is its kind plus the values its wording needs, so the batch command prints it in
// English and the window shows it in the language the user chose, both from one wording table
// (LoadWarning.cpp: a new warning is an enum value here and a row there).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace race {

struct RaceStore;

enum class WarningKind {
  kNoFixInWindow,  // %1 boat, %2 first fix, %3 last fix, %4 window start, %5 window end (race-local times)
  kNoFixInWindowHours,   // the same, and %6 the TD with which they would fit
  kTooFewFixes,          // %1 boat, %2 its fixes inside the window, %3 the fixes a boat needs
  kTrackFileMissing,     // %1 boat, %2 its file name
  kBoatsBeyondCapacity,  // %1 boats named in the race file, %2 the boats read
  kPointNobodyPassed,  // %1 course point, %2 its position in the course, %3 the fleet's closest approach (m)
  kMarkFarFromTracks,  // %1 mark, %2 its distance from the nearest fix (nautical miles)
  kWindOutOfOrder,     // %1 the wind file
  kLinkOutside,        // %1 the linked file as folder/name, %2 the folder it leads out of
  kUnreadableFile,     // %1 the file, %2 why the system could not open it
  kGlitchAtOrigin,     // %1 boat, %2 the fix's race-local time
  kGlitchSpeed,        // %1 boat, %2 the fix's race-local time, %3 the knots it implies
  kMoreGlitches,       // %1 boat, %2 fixes dropped beyond those listed
  kMoreWarnings,       // the list was cut short
  kNote,               // %1 a line worded by its caller, in English only, shown as it is in both languages
};

struct LoadWarning {
  WarningKind kind;
  std::vector<std::string> values;  // %1, %2 ... of the wording, already formatted
};

// Adds a warning to the store's list.
void Warn(RaceStore& store, WarningKind kind, std::vector<std::string> values);
// Adds a line worded in English only (a kNote); a warning a user meets often deserves a kind of its own.
void AddWarning(std::vector<LoadWarning>& warnings, std::string_view text);

// text with %1, %2 ... replaced by values[0], values[1] ...
std::string FillValues(std::string text, const std::vector<std::string>& values);

// The warning as one line, in English (englishTexts above 0) or Japanese.
std::string WarningText(const LoadWarning& warning, int englishTexts = 1);

}  // namespace race
