// Course over ground and smoothed speed over ground of every fix, from positions and times alone.
#pragma once

#include "race/RaceStore.h"

namespace analysis {

inline constexpr double kMaxPlausibleBoatSpeed = 10.0;  // knots; faster fixes do not scale the speed axis

// Fills trackCourse (whole degrees, 0..360) and trackSpeed (knots) of fixes 1..fixCount-1 of every boat with
// more than five fixes, and maxBoatSpeed. cosMidLatitude comes from the chart fit.
void ComputeFixCourseAndSpeed(race::RaceStore& store, double cosMidLatitude);

}  // namespace analysis
