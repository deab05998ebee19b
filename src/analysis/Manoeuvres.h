// Tacks and gybes of each boat: where its course crossed the wind, how long the turn took and what it cost.
#pragma once

#include <functional>
#include <vector>

#include "race/RaceStore.h"

namespace analysis {

enum class ManoeuvreKind { Tack, Gybe };

struct Manoeuvre {
  ManoeuvreKind kind = ManoeuvreKind::Tack;
  double seconds = 0;  // race seconds at which the course crossed the wind (or its reciprocal)
  // From the turn's start until the way made good is back to 90 % of before. NaN, as is metresLost, when the
  // way made good before or after is not the turn's own: a rounding or another tack or gybe falls inside, or
  // the boat never came back to it (a tack onto the lay line and a bear-away round the mark).
  double durationSeconds = 0;
  double speedBefore = 0, speedLowest = 0, speedAfter = 0;  // knots
  // Metres made good along the wind that the boat fell short of sailing on at its speed made good before.
  double metresLost = 0;
};

// How the cost is measured, shared with the race simulator so both count a manoeuvre's loss one way.
inline constexpr double kSteadyFromSeconds =
    25;                                          // speed made good before: from this long before the crossing
inline constexpr double kSteadyToSeconds = 10;   // ... to this long before it, which is also the turn's start
inline constexpr double kRecoveredShare = 0.9;   // back to this share of the speed made good before
inline constexpr double kRecoveryWindow = 5;     // seconds over which the way made good after is taken
inline constexpr double kLongestManoeuvre = 60;  // seconds after the crossing at most

// Where a boat was at race seconds t, in metres east and north of any fixed point.
struct PlaneSpot {
  double east = 0, north = 0;
};
using SpotAt = std::function<PlaneSpot(double)>;

// Duration, speeds and loss of a manoeuvre whose crossing was at t0, made good along the true bearing
// axisBearing (toward the wind for a tack, away from it for a gybe). breaks are the times the boat rounded a
// course point or crossed the wind before. kind is left to the caller.
Manoeuvre MeasureManoeuvre(const SpotAt& spotAt, double t0, double axisBearing,
                           const std::vector<double>& breaks);

// The manoeuvres of boat b between its start (or the gun) and its finish (or its last fix), in time order.
// The wind is the wind file's direction at the time, else the race's; both magnetic, the tracks true.
std::vector<Manoeuvre> DetectManoeuvres(const race::RaceStore& store, int b);

// The race's wind direction in degrees true at race seconds t.
double TrueWindAt(const race::RaceStore& store, double t);

}  // namespace analysis
