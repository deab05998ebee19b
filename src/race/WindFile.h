// The wind data reader (winddat/<file>): timed wind speed and direction samples.
#pragma once

#include "race/RaceStore.h"

namespace race {

// Reads store.windFile from winddat/ into windTime (race seconds from startTime), windSpeed and windDir
// (whole degrees, halves to even). A missing file (or no WF record) empties windFile and leaves no samples.
// The first line is a header. Throws InputError on a malformed sample or one with fewer than 3 fields;
// windCount then holds the samples read before it.
void LoadWindFile(RaceStore& store);

}  // namespace race
