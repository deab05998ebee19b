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

  // Path of entry k: a name under programFolder's raceadmin/, or a race made elsewhere given by its whole
  // path.
  std::string PathOf(const std::string& programFolder, int k) const {
    return raceList[k].starts_with('/') ? raceList[k] : programFolder + "raceadmin/" + raceList[k];
  }
  // The entry after the shown race, wrapping round to the first.
  int NextIndex() const { return raceIndex + 1 > raceListCount ? 1 : raceIndex + 1; }
};

// Fills raceList / raceListCount with the names of programFolder's raceadmin/*.txt (at most 200), sorted by
// name ignoring letter case, so the order is the same on every machine.
void BuildRaceList(RaceCatalogue& catalogue, const std::string& programFolder);

// Adds the race file at racePath (absolute) to the end of the list, once, and returns its entry; 0 when the
// list is full.
int AddRace(RaceCatalogue& catalogue, const std::string& racePath);

// Sets store.raceFilePath to the race named on the first line of raceadmin/racefile.st when that file
// exists, else to the first race of the catalogue, and catalogue.raceIndex to its position in raceList
// (unchanged when it is not there). Returns false when there is no race to name (raceFilePath is then empty).
bool ChooseFirstRace(RaceCatalogue& catalogue, RaceStore& store);

}  // namespace race
