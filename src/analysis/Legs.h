// Legs of the course: the distance each finished boat sailed on each leg, and each leg's bearing, length and
// point of sail.
#pragma once

#include "race/RaceStore.h"

namespace analysis {

enum LegKind { kUpwind = 1, kDownwind = 2, kReach = 3 };

// legSailedMetres[b][j] for every finished boat, measured on the (trimmed) track between its passings of
// course points j and j + 1; leg 1 from the gun, and column courseCount from the gun to the finish.
void ComputeLegSailedDistances(race::RaceStore& store, double cosMidLatitude);

// legBearing, legLengthMetres (element courseCount: the whole course) and legKind of every leg.
// Throws race::InputError for a course designator without a number.
void ComputeCourseLegs(race::RaceStore& store, double cosMidLatitude);

// Point of sail of a leg on a true bearing, against the race's wind direction (magnetic degrees).
LegKind PointOfSail(double legBearing, double magneticVariation, int windDirection);

}  // namespace analysis
