// Fuzz target: the text track file. The first byte picks the coordinate form the file declares up front
// (degrees and decimal minutes, decimal degrees, degrees-minutes-seconds); the rest is the file.
#include <sstream>

#include "FuzzFolder.h"
#include "race/GlitchFilter.h"
#include "race/InputError.h"
#include "race/TextInput.h"
#include "race/TextTrack.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  static const char* const kHeaders[] = {"", "H  COORDINATES DEG\r\n", "H  COORDINATES DMS\r\n"};
  std::string bytes = kHeaders[data[0] % 3];
  bytes.append(fuzzing::Bytes(data + 1, size - 1));
  race::RaceStore store = fuzzing::RaceStore();
  std::istringstream in(std::move(bytes));
  race::TextLines lines(in, "gpsdat/boat.txt");
  int n = 0;
  try {
    race::ReadTextTrack(store, 1, lines, n);
    race::DropGlitches(store, 1, n);
    race::FinishTrack(store, 1, n);
  } catch (const race::InputError&) {
  }
  return 0;
}
