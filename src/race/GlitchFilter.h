// Dropping the fixes no boat can have sailed: a logger's cold-start jump to 0°N 0°E, or a position that
// lies further from its neighbours than any sailing boat moves in the time between.
#pragma once

#include "race/RaceStore.h"

namespace race {

inline constexpr double kMaxPlausibleKnots = 60;

// Removes the glitch fixes from fixes 1..n of the slot (n becomes the count kept) and says so in the store's
// warnings: boat, time and why, the first few one by one. A fix is a glitch when it lies at 0°N 0°E, or when
// both the way to it from the last fix kept and the way on to the next fix need more than 60 knots (a fix
// with no neighbour on one side is judged by the other).
void DropGlitches(RaceStore& store, int slot, int& n);

}  // namespace race
