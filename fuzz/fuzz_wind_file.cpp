// Fuzz target: the wind data file of a race.
#include "FuzzFolder.h"
#include "race/InputError.h"
#include "race/WindFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  race::RaceStore store = fuzzing::RaceStore();
  fuzzing::Write("winddat/wind.csv", fuzzing::Bytes(data, size));
  try {
    race::LoadWindFile(store);
  } catch (const race::InputError&) {
  }
  return 0;
}
