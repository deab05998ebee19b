// Warnings about the course after the passings are found: a point nobody passed, a mark far from every track.
#pragma once

#include "race/RaceStore.h"

namespace analysis {

inline constexpr double kFarMarkNauticalMiles = 20;

// Warns of every course point between start and finish that no boat passed (with the fleet's closest
// approach in metres), and of every mark more than 20 nautical miles from every fix (typed in degrees,
// or in another race's waters). Needs markTime from DetectMarkPassings.
void WarnAboutCourse(race::RaceStore& store, double cosMidLatitude);

}  // namespace analysis
