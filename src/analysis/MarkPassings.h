// When each boat passed each course point, the first arrival at each point, the finish order, and the
// trimming of tracks a minute after a boat's finish.
#pragma once

#include "race/RaceStore.h"

namespace analysis {

inline constexpr double kPassedBelow = 999999.0;  // a markTime below this is a passing

// Fills markTime, firstArrivalTime and finishRank from the full tracks. Start and finish lines are found by
// crossing, marks (and lines not crossed) by the closest approach within 0.2 minute of arc. A finish counts
// only when the boat passed every earlier course point the race file has.
// Throws race::InputError for a course designator without a number.
void DetectMarkPassings(race::RaceStore& store);

// Drops the fixes of every finished boat that lie a minute or more after its finish.
void TrimAfterFinish(race::RaceStore& store);

}  // namespace analysis
