// Saving an edited race. A race of the user's own races folder is rewritten in place; any other race (the
// program's own, perhaps in a folder the user cannot write) becomes a copy in the user's races folder,
// with copies of the tracks and other files it names, as made races are.
#pragma once

#include <filesystem>
#include <string>

#include "inference/RaceCourse.h"

namespace inference {

struct SavedRace {
  std::filesystem::path raceFile;  // the race file written
  bool copied = false;             // a copy was made in the user's races folder
};

// Writes course into the race file at raceFilePath (the race's other records stay as they are), or into a
// copy of its race under userRacesFolder when the file lies elsewhere. The file is replaced whole, never
// left half written. Throws std::runtime_error (or std::filesystem::filesystem_error) naming what could
// not be read or written.
SavedRace SaveEditedRace(const std::string& programFolder, const std::string& raceFilePath,
                         const std::filesystem::path& userRacesFolder, const RaceCourse& course);

}  // namespace inference
