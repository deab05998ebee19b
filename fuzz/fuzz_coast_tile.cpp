// Fuzz target: a coastline grid-square tile. The race spans two minutes around 2102 N, 8200 E, so the
// search window asks for the one tile 5236.cst.
#include "FuzzFolder.h"
#include "race/Coastline.h"
#include "race/InputError.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool noWideArea = [] {
    std::filesystem::remove(fuzzing::ProgramFolder() + "coastline/toba.cst");
    return true;
  }();
  (void)noWideArea;
  race::RaceStore store = fuzzing::RaceStore();
  fuzzing::Write("coastline/5236.cst", fuzzing::Bytes(data, size));
  try {
    race::LoadCoastline(store, race::CoastWindowFit{2101, 2103, 2102, 8200});
  } catch (const race::InputError&) {
  }
  return 0;
}
