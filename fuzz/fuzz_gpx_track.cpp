// Fuzz target: the GPX track reader, through the same race-window rules as a load.
#include <sstream>

#include "FuzzFolder.h"
#include "race/InputError.h"
#include "race/LoggerTrack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  race::RaceStore store = fuzzing::RaceStore();
  std::istringstream in{std::string(fuzzing::Bytes(data, size))};
  int n = 0;
  try {
    race::ReadLoggerTrack(store, 1, in, race::TrackForm::kGpx, "gpsdat/boat.gpx", n);
    race::FinishTrack(store, 1, n);
  } catch (const race::InputError&) {
  }
  return 0;
}
