// Why a boat's track was too short: where its fixes lie against the race window, and whether a whole number
// of hours (a wrong TD or ST) would bring them in.
#pragma once

#include "race/RaceStore.h"

namespace race {

// Warns that boat i of the race file (its file read, keptFixes of its fixes inside the window) is left out.
// The file is read again whole to name its first and last fix in race-local time.
void WarnShortTrack(RaceStore& store, int i, int keptFixes);

// The change of TD, in whole hours (1..48 either way), that moves the most of the race seconds span
// [first, last] into the window [windowStart, windowEnd]; 0 when no change brings any of it in.
int HoursThatWouldFit(double first, double last, double windowStart, double windowEnd);

}  // namespace race
