// The race catalogue: the race files of raceadmin/ and the choice of the race shown first. It lives beside
// the race store, not in it, so a load can fill a fresh store without losing the catalogue.
#pragma once

#include <string>
#include <vector>

#include "race/RaceStore.h"

namespace race {

struct RaceCatalogue {
  std::vector<std::string> raceList = std::vector<std::string>(kMaxRaces + 1);  // 1..raceListCount
  int raceListCount = 0;
  int raceIndex = 0;       // the entry of the race shown, 0 when it is not in the list
  int comboRaceIndex = 0;  // the entry chosen in the race list (0-based, as the list box counts)
  int autoNext = 1;        // at the end of the time line the next race of the list is loaded
  // The user's own race folders (ending in '/'), listed after the program folder's races; empty: none.
  std::string userRacesFolder;

  // The race file entry k stands for, with the program's races under programFolder.
  std::string PathOf(const std::string& programFolder, int k) const;
  // The entry (1..raceListCount) whose race file is path; 0 when none is.
  int IndexOfPath(const std::string& programFolder, const std::string& path) const;
  // The entry after the shown race, wrapping round to the first.
  int NextIndex() const { return raceIndex + 1 > raceListCount ? 1 : raceIndex + 1; }
};

// Fills raceList / raceListCount with the names of programFolder's raceadmin/*.txt, then the user's own races
// as "FOLDER/file.txt" for each userRacesFolder/FOLDER/raceadmin/file.txt (at most 200 in all), each group
// sorted by name ignoring letter case, so the order is the same on every machine.
void BuildRaceList(RaceCatalogue& catalogue, const std::string& programFolder);

// The race file a catalogue entry stands for; empty when the entry is no name the catalogue could hold.
std::string CatalogueRacePath(const RaceCatalogue& catalogue, const std::string& programFolder,
                              const std::string& entry);

// Sets store.raceFilePath to the race named on the first line of raceadmin/racefile.st when that names a file
// of raceadmin/, else (no settings file, an empty one, a path, a missing race) to the first race of the
// catalogue, and catalogue.raceIndex to its position in raceList (unchanged when it is not there). Returns
// false when there is no race to name (raceFilePath is then empty).
bool ChooseFirstRace(RaceCatalogue& catalogue, RaceStore& store);

}  // namespace race
