// Fuzz target: the wide-area coastline file toba.cst.
#include "FuzzFolder.h"
#include "race/Coastline.h"
#include "race/InputError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  race::RaceStore store = fuzzing::RaceStore();
  fuzzing::Write("coastline/toba.cst", fuzzing::Bytes(data, size));
  try {
    race::LoadDefaultCoastline(store);
  } catch (const race::InputError&) {
  }
  return 0;
}
