// Fuzz target: raceadmin/racefile.st, the race shown first, chosen against a catalogue of two races.
#include "FuzzFolder.h"
#include "race/InputError.h"
#include "race/RaceCatalogue.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool races = [] {
    fuzzing::Write("raceadmin/a-race.txt", "ST,2008/05/17 10:00:00\r\n");
    fuzzing::Write("raceadmin/B-race.txt", "ST,2008/05/17 10:00:00\r\n");
    return true;
  }();
  (void)races;
  fuzzing::Write("raceadmin/racefile.st", fuzzing::Bytes(data, size));
  race::RaceStore store;
  store.programFolder = fuzzing::ProgramFolder();
  try {
    race::RaceCatalogue catalogue;
    race::BuildRaceList(catalogue, store.programFolder);
    race::ChooseFirstRace(catalogue, store);
  } catch (const race::InputError&) {
  }
  return 0;
}
