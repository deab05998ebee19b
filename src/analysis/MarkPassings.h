// When each boat passed each course point, the first arrival at each point, the finish order, and the
// trimming of tracks a minute after a boat's finish.
#pragma once

#include <string>
#include <vector>

#include "race/RaceStore.h"

namespace analysis {

inline constexpr double kPassedBelow = 999999.0;  // a markTime below this is a passing

// Fills markTime, firstArrivalTime and finishRank from the full tracks. The start is the first crossing of
// its line between the ends (or the closest approach to its end 1), before the gun too. Every later point is
// looked for only after the gun and after the boat's last passing: a line by a crossing between its ends, a
// mark by the closest approach within 0.2 minute of arc. A finish crossing always counts; a boat that missed
// a point another boat passed is placed after the boats that sailed the course. Throws race::InputError for a
// course designator without a number.
void DetectMarkPassings(race::RaceStore& store);

// finishRank from markTime: boats that sailed the course by finish time, then boats with a finish that missed
// a point, then the boats without a finish sharing the next place. Equal times share a place.
void RankFinishers(race::RaceStore& store);

// Whether boat b has a passing of course point k.
bool Passed(const race::RaceStore& store, int b, int k);
// Whether that passing counts for first arrivals and the position table: from the third point on, only when
// the boat passed the point before too (a retired boat sailing home past a mark is not first there).
bool PassedInOrder(const race::RaceStore& store, int b, int k);
// The points between start and finish that boat b did not pass although another boat did; empty when the boat
// sailed the course.
std::vector<int> MissedPoints(const race::RaceStore& store, int b);
// Their designators, blank-separated ("MK1 MK3"); empty when the boat sailed the course.
std::string MissedPointNames(const race::RaceStore& store, int b);

// Drops the fixes of every finished boat that lie a minute or more after its finish.
void TrimAfterFinish(race::RaceStore& store);

}  // namespace analysis
