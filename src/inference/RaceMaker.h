// Making ordinary race folders from logger tracks: read what can be read, one race per day and place, each
// written as a race file and copies of its tracks into a new folder of its own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "inference/RaceCourse.h"
#include "inference/RaceInference.h"

namespace inference {

struct MadeRace {
  std::filesystem::path folder;    // the new race's own folder (raceadmin/, gpsdat/)
  std::filesystem::path raceFile;  // its race file
  int boatCount = 0;
  std::vector<InferenceNote> found, notFound;
};

struct MakeRacesResult {
  std::vector<MadeRace> races;
  std::vector<InferenceNote> messages;  // files skipped and why, races split, one note each
};

// Reads every track among paths (files, or folders searched through), splits them into races of one day and
// place and writes each into a new folder under outFolder. Nothing is written for a race that could not be
// made, nor anywhere but under outFolder; nor for a group of fewer than minBoats tracks (said in the
// messages). Throws std::runtime_error when a folder or file cannot be written.
MakeRacesResult MakeRaces(const std::vector<std::filesystem::path>& paths,
                          const std::filesystem::path& outFolder, int minBoats = 1);

// Which of the tracks sail together: tracks that overlap in time and are near each other while they do.
// Each group lists indices into tracks.
std::vector<std::vector<int>> GroupByDayAndPlace(const std::vector<race::WholeTrack>& tracks);

// The text of the race file of an inferred race (CR LF line ends) for boats named names with track files
// files in gpsdat/.
std::string RaceFileText(const InferredRace& race, const std::vector<std::string>& files,
                         const std::vector<std::string>& names);

// The course records of an inferred race: the start line is L1, the finish line the last line.
RaceCourse CourseOf(const InferredRace& race);

// A file copied into a new race folder, to its place inside the folder ("gpsdat/alpha.gpx").
struct FolderCopy {
  std::filesystem::path from, to;
};

// outFolder/name, or the first of name-2, name-3 ... that does not exist yet.
std::filesystem::path FreshFolder(const std::filesystem::path& outFolder, const std::string& name);

// Writes a new race folder: raceadmin/<folder name>.txt holding raceFileText, and the copies. It appears
// whole or not at all. Throws std::filesystem::filesystem_error or std::runtime_error when it cannot.
void WriteRaceFolder(const std::filesystem::path& folder, const std::string& raceFileText,
                     const std::vector<FolderCopy>& copies);

// Boat names as the race will show them: the track's own name, else the file name without extension; a name
// given twice gets " 2", " 3" ...; commas (the race file's separator) become blanks.
std::vector<std::string> BoatNames(const std::vector<std::string>& trackNames,
                                   const std::vector<std::filesystem::path>& files);

}  // namespace inference
