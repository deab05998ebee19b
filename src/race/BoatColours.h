// Screen and KML colours of the boats and the lay-line colours.
#pragma once

#include "race/RaceStore.h"

namespace race {

// Fills boatColour and kmlColour for boats 1..boatCount (fifteen colours repeating) and the three line
// colours. Run before the tracks are read: colours follow the slot, not the boat.
void SetBoatColours(RaceStore& store);

}  // namespace race
