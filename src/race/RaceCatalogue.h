// The race catalogue: the race files of raceadmin/ and the choice of the race shown first.
#pragma once

#include "race/RaceStore.h"

namespace race {

// Fills raceList / raceListCount with the names of raceadmin/*.txt, then the user's own races as
// "FOLDER/file.txt" for each userRacesFolder/FOLDER/raceadmin/file.txt (at most 200 in all), each group
// sorted by name ignoring letter case, so the order is the same on every machine.
void BuildRaceList(RaceStore& store);

// The race file a catalogue entry stands for; empty when the entry is no name the catalogue could hold.
std::string CatalogueRacePath(const RaceStore& store, const std::string& entry);

// Sets raceFilePath to the race named on the first line of raceadmin/racefile.st when that file exists,
// else to the first race of the catalogue, and raceIndex to its position in raceList (unchanged when it is
// not there). Returns false when there is no race to name (raceFilePath is then empty).
bool ChooseFirstRace(RaceStore& store);

}  // namespace race
