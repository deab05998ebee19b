// The race catalogue: the race files of raceadmin/ and the choice of the race shown first.
#pragma once

#include "race/RaceStore.h"

namespace race {

// Fills raceList / raceListCount with the names of raceadmin/*.txt (at most 200), sorted by name
// ignoring letter case, so the order is the same on every machine.
void BuildRaceList(RaceStore& store);

// Sets raceFilePath to the race named on the first line of raceadmin/racefile.st when that names a file of
// raceadmin/, else (no settings file, an empty one, a path, a missing race) to the first race of the
// catalogue, and raceIndex to its position in raceList (unchanged when it is not there). Returns false when
// there is no race to name (raceFilePath is then empty).
bool ChooseFirstRace(RaceStore& store);

}  // namespace race
