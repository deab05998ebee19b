// Fuzz target: the race definition file, read as the load sequence reads it.
#include "FuzzFolder.h"
#include "race/InputError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzzing::Write("raceadmin/race.txt", fuzzing::Bytes(data, size));
  race::RaceStore store;
  store.programFolder = fuzzing::ProgramFolder();
  try {
    race::ParseRaceFile(store, store.programFolder + "raceadmin/race.txt");
  } catch (const race::InputError&) {
  }
  return 0;
}
